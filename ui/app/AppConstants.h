#pragma once

#include <QString>
#include <filesystem>

namespace quillex::ui {

/// Line separator of multi-line message texts.
inline const QString LineBreak = QStringLiteral("\r\n");
/// Title of the program's message boxes.
inline const QString AppTitle = QStringLiteral("Quillex");
/// Version shown on the splash and the About tab.
inline const QString AppVersion = QStringLiteral("1.00");

/// The current folder when the program started, as the system's bytes: a folder name need not
/// be UTF-8, and a decoded name could no longer be opened.
const std::filesystem::path& StartFolder();
/// Records the current folder as StartFolder; called once, first thing at start.
void SetStartFolder();

}  // namespace quillex::ui
