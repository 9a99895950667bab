#pragma once

#include <QStringList>
#include <string_view>
#include <vector>

class QListWidget;

namespace quillex::ui {

/// Appends the texts to the list in their order, in one batch, and scrolls back to its top: a
/// refilled list shows its first items, never the scroll offset of the list it replaces.
void FillList(QListWidget& list, const QStringList& texts);

/// FillList over words, so that thousands of them take a few milliseconds.
void FillResultList(QListWidget& list, const std::vector<std::string_view>& words);

}  // namespace quillex::ui
