#include "tabs/ResultListFill.h"

#include <QListWidget>
#include <QStringList>

#include "app/Appearance.h"

namespace quillex::ui {

void FillResultList(QListWidget& list, const std::vector<std::u16string_view>& words) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(words.size()));
    for (const std::u16string_view word : words) texts.append(ToQString(word));
    list.addItems(texts);
}

}  // namespace quillex::ui
