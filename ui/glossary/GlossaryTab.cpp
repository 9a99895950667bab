#include "glossary/GlossaryTab.h"

#include <QLabel>
#include <QListWidget>

#include "app/Appearance.h"
#include "app/Twips.h"

namespace quillex::ui {

GlossaryTab::GlossaryTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    auto* caption = new QLabel(
        QStringLiteral("La liste des petits mots de deux et trois lettres et leur définition."),
        this);
    caption->setObjectName(QStringLiteral("Lbl18"));
    caption->setGeometry(TwipsRect(240, 180, 9700, 300));
    caption->setFont(NamedFont(QStringLiteral("Calibri"), 12, true));

    lst23_ = new QListWidget(this);
    lst23_->setObjectName(QStringLiteral("Lst23"));
    lst23_->setAccessibleName(QStringLiteral("Mots de deux et trois lettres"));
    lst23_->setGeometry(TwipsRect(240, 540, 9700, 5200));
    lst23_->setFont(NamedFont(QStringLiteral("Calibri"), 12));
    lst23_->setUniformItemSizes(true);
}

void GlossaryTab::fill() {
    const WordList& glossary = context_.dictionaries.shortWordGlossary;
    QStringList lines;
    lines.reserve(glossary.count());
    for (int i = 0; i < glossary.count(); ++i) lines.append(ToQString(glossary[i]));
    lst23_->addItems(lines);
}

}  // namespace quillex::ui
