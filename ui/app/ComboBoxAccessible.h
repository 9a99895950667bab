#pragma once

namespace quillex::ui {

/// Makes assistive tools read every drop-down list by its own accessible name and its current
/// text as its value. Qt's own reading names a list on Linux by its current text, so that the
/// length list became "03" and the word box whatever was typed in it. Safe to call again.
void InstallComboBoxAccessible();

}  // namespace quillex::ui
