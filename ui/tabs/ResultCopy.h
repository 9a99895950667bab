#pragma once

#include <QString>

#include "ui/tabs/TabContext.h"

class QListWidget;
class QListWidgetItem;

namespace quillex::ui {

/// Puts a chosen result on the clipboard; the first copy the clipboard takes shows the notice.
void CopyResult(TabContext& context, const QString& word);

/// How a listed item reads as the word to copy, for a list that writes its words otherwise.
using CopiedWord = QString (*)(const QListWidgetItem& item);

/// Copies the word chosen in the list: on every change of selection, by mouse or keyboard, and on
/// a click on the word already selected. The word is the item's text unless `copiedWord` says.
void CopyChosenResults(QListWidget& list, TabContext& context, CopiedWord copiedWord = nullptr);

}  // namespace quillex::ui
