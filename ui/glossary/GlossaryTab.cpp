#include "glossary/GlossaryTab.h"

#include <QLabel>
#include <QListWidget>

#include "app/Twips.h"

namespace quillex::ui {

GlossaryTab::GlossaryTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    auto* caption = new QLabel(
        QStringLiteral("La liste des petits mots de deux et trois lettres et leur définition."),
        this);
    caption->setObjectName(QStringLiteral("Lbl18"));
    caption->setGeometry(TwipsRect(240, 180, 9700, 300));
    QFont captionFont(QStringLiteral("Calibri"));
    captionFont.setPointSize(12);
    captionFont.setBold(true);
    caption->setFont(captionFont);

    lst23_ = new QListWidget(this);
    lst23_->setObjectName(QStringLiteral("Lst23"));
    lst23_->setGeometry(TwipsRect(240, 540, 9700, 5200));
    QFont listFont(QStringLiteral("Calibri"));
    listFont.setPointSize(12);
    lst23_->setFont(listFont);
    lst23_->setUniformItemSizes(true);
}

void GlossaryTab::fill() {
    const WordList& glossary = context_.dictionaries.shortWordGlossary;
    QStringList lines;
    lines.reserve(glossary.count());
    for (int i = 0; i < glossary.count(); ++i)
        lines.append(QString::fromStdU16String(std::u16string(glossary[i])));
    lst23_->addItems(lines);
}

}  // namespace quillex::ui
