#pragma once

#include <QString>

#include "tabs/TabContext.h"

namespace quillex::ui {

/// Puts a chosen result on the clipboard; the first copy of the run shows the notice.
void CopyResult(TabContext& context, const QString& word);

}  // namespace quillex::ui
