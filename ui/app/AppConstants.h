#pragma once

#include <QString>
#include <filesystem>

#include "core/Version.h"

namespace quillex::ui {

/// Line separator of multi-line message texts.
inline const QString LineBreak = QStringLiteral("\r\n");
/// Title of the program's message boxes.
inline const QString AppTitle = QStringLiteral("Quillex");
/// Version shown on the splash and the About tab.
inline const QString AppVersion = QString::fromLatin1(ProgramVersion);

/// The current folder when the program started, as the system's bytes: a folder name need not
/// be UTF-8, and a decoded name could no longer be opened.
const std::filesystem::path& StartFolder();
/// Records the current folder as StartFolder; called once, first thing at start.
void SetStartFolder();

}  // namespace quillex::ui
