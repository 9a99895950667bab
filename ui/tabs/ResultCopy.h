#pragma once

#include <QString>

#include "tabs/TabContext.h"

class QListWidget;

namespace quillex::ui {

/// Puts a chosen result on the clipboard; the first copy of the run shows the notice.
void CopyResult(TabContext& context, const QString& word);

/// Copies the word chosen in the list: on every change of selection, by mouse or keyboard, and on
/// a click on the word already selected.
void CopyChosenResults(QListWidget& list, TabContext& context);

}  // namespace quillex::ui
