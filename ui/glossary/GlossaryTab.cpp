#include "ui/glossary/GlossaryTab.h"

#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "core/glossary/GlossaryFilter.h"
#include "core/text/Text.h"
#include "ui/app/Appearance.h"
#include "ui/app/Twips.h"
#include "ui/common/ResultList.h"
#include "ui/glossary/GlossaryRows.h"

namespace quillex::ui {

GlossaryTab::GlossaryTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("glossaryTab"));
    auto* caption = new QLabel(
        QStringLiteral("La liste des petits mots de deux et trois lettres et leur définition."),
        this);
    caption->setObjectName(QStringLiteral("caption"));
    caption->setGeometry(TwipsRect(240, 180, 7500, 300));
    caption->setFont(CalibriFont(12, true));

    filterBox_ = new QLineEdit(this);
    // Typing on the tab narrows the list at once.
    setFocusTarget(filterBox_);
    filterBox_->setObjectName(QStringLiteral("filterBox"));
    filterBox_->setAccessibleName(QStringLiteral("Filtrer : mots commençant par"));
    filterBox_->setPlaceholderText(QStringLiteral("Filtrer : début du mot"));
    filterBox_->setGeometry(TwipsRect(6900, 120, 3040, 390));
    filterBox_->setFont(CalibriFont(12));
    connect(filterBox_, &QLineEdit::textChanged, this, &GlossaryTab::showLinesBeginningWith);

    glossaryList_ = new ResultList(this);
    glossaryList_->setObjectName(QStringLiteral("glossaryList"));
    glossaryList_->setAccessibleName(QStringLiteral("Mots de deux et trois lettres"));
    glossaryList_->setGeometry(TwipsRect(240, 540, 9700, 5200));
    glossaryList_->setFont(CalibriFont(12));
    // A definition longer than the list is wide would otherwise be cut for good: every row
    // shows its whole text as a tip.
    glossaryList_->setTextTips(true);
}

void GlossaryTab::fill() {
    showLinesBeginningWith(filterBox_->text());
}

void GlossaryTab::showLinesBeginningWith(const QString& typed) {
    const QString prefix = ToQString(Trimmed(typed.toStdU16String()));
    const auto lines =
        FilterGlossary(context_.dictionaries.shortWordGlossary, prefix.toStdU16String());
    glossaryList_->clear();
    if (lines.empty()) {
        glossaryList_->appendHeader(
            QStringLiteral("Aucun mot ne commence par « %1 ».").arg(prefix));
        return;
    }
    // Each word shows its hooks beside it. The two-letter block comes first; a header opens the
    // three-letter one when both show.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    bool headerDue = false;
    for (const std::string_view line : lines) {
        const bool threeLetters = GlossaryWord(line).size() > 2;
        if (!threeLetters) headerDue = true;
        if (threeLetters && headerDue) {
            glossaryList_->appendTexts(std::exchange(texts, {}));
            glossaryList_->appendHeader(QStringLiteral("— Mots de trois lettres —"));
            headerDue = false;
        }
        texts.append(GlossaryRowText(line, context_.dictionaries.scrabbleWordList));
    }
    glossaryList_->appendTexts(std::move(texts));
    emit searched();
}

}  // namespace quillex::ui
