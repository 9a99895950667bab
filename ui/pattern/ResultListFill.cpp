#include "pattern/ResultListFill.h"

#include <QListWidget>
#include <QStringList>

namespace quillex::ui {

void FillResultList(QListWidget& list, const std::vector<std::u16string_view>& words) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(words.size()));
    for (const std::u16string_view word : words)
        texts.append(QString(reinterpret_cast<const QChar*>(word.data()),
                             static_cast<qsizetype>(word.size())));
    list.addItems(texts);
}

}  // namespace quillex::ui
