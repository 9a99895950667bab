#pragma once

#include <QString>

class QListWidgetItem;

namespace quillex::ui {

/// A list line naming the group of lines below it: centred and greyed, it can be neither
/// selected nor reached with the arrows, so it is never taken for a word or copied.
QListWidgetItem* GroupHeader(const QString& text);

/// Whether a list line is such a header.
bool IsGroupHeader(const QListWidgetItem& item);

}  // namespace quillex::ui
