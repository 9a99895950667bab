#include "ui/tabs/ResultListFill.h"

#include <QListWidget>
#include <QStringList>

#include "ui/app/Appearance.h"

namespace quillex::ui {

void FillList(QListWidget& list, const QStringList& texts) {
    list.addItems(texts);
    // Clearing a list leaves its scroll bar where it was until the next layout pass, which the
    // new items then inherit.
    list.scrollToTop();
}

void FillResultList(QListWidget& list, const std::vector<std::string_view>& words) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(words.size()));
    for (const std::string_view word : words) texts.append(ToQString(word));
    FillList(list, texts);
}

}  // namespace quillex::ui
