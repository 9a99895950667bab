#include "glossary/GlossaryTab.h"

#include <QLabel>
#include <QListWidget>

#include "app/Appearance.h"
#include "app/Twips.h"

namespace quillex::ui {

GlossaryTab::GlossaryTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("glossaryTab"));
    auto* caption = new QLabel(
        QStringLiteral("La liste des petits mots de deux et trois lettres et leur définition."),
        this);
    caption->setObjectName(QStringLiteral("caption"));
    caption->setGeometry(TwipsRect(240, 180, 9700, 300));
    caption->setFont(NamedFont(QStringLiteral("Calibri"), 12, true));

    glossaryList_ = new QListWidget(this);
    glossaryList_->setObjectName(QStringLiteral("glossaryList"));
    glossaryList_->setAccessibleName(QStringLiteral("Mots de deux et trois lettres"));
    glossaryList_->setGeometry(TwipsRect(240, 540, 9700, 5200));
    glossaryList_->setFont(NamedFont(QStringLiteral("Calibri"), 12));
    glossaryList_->setUniformItemSizes(true);
}

void GlossaryTab::fill() {
    const WordList& glossary = context_.dictionaries.shortWordGlossary;
    QStringList lines;
    lines.reserve(glossary.count());
    for (int i = 0; i < glossary.count(); ++i) lines.append(ToQString(glossary[i]));
    glossaryList_->addItems(lines);
}

}  // namespace quillex::ui
