#pragma once

#include <string_view>
#include <vector>

class QListWidget;

namespace quillex::ui {

/// Appends the words to the list in their order, in one batch so that thousands of them take a
/// few milliseconds.
void FillResultList(QListWidget& list, const std::vector<std::u16string_view>& words);

}  // namespace quillex::ui
