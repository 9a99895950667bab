#include "ui/scrabble/ScrabbleOptions.h"

#include <QCheckBox>

#include "ui/app/Appearance.h"

namespace quillex::ui {
namespace {

constexpr int kRowHeight = 24;

}  // namespace

ScrabbleOptions::ScrabbleOptions(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("scrabbleOptions"));
    jokerLetterBox_ =
        addBox(QStringLiteral("jokerLetterBox"), QStringLiteral("Montrer la lettre du joker"), 0);
    shorterWordsBox_ =
        addBox(QStringLiteral("shorterWordsBox"), QStringLiteral("Mots plus courts"), 1);
    // Holding both blanks is when a player looks at part of the rack; the plain search keeps
    // its one joker. The tip says so where the box is.
    shorterWordsBox_->setToolTip(
        QStringLiteral("Ajoute les mots de deux lettres jusqu'à une lettre de moins que le "
                       "tirage ; le tirage peut alors compter deux jokers."));
    boardLetterBox_ =
        addBox(QStringLiteral("boardLetterBox"), QStringLiteral("Avec une lettre du plateau"), 2);
    boardLetterBox_->setToolTip(
        QStringLiteral("Ajoute les mots d'une lettre de plus que le tirage : tout le tirage et "
                       "une lettre déjà posée sur le plateau."));
    connect(jokerLetterBox_, &QCheckBox::toggled, this, &ScrabbleOptions::jokerLettersToggled);
    for (QCheckBox* box : {shorterWordsBox_, boardLetterBox_})
        connect(box, &QCheckBox::toggled, this, &ScrabbleOptions::wordChoiceToggled);
}

QCheckBox* ScrabbleOptions::addBox(const QString& objectName, const QString& caption, int row) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    box->setGeometry(0, row * kRowHeight, 357, kRowHeight);
    box->setFont(NamedFont(QStringLiteral("Calibri"), 11));
    // Reached by Tab; a click leaves the focus in the draw box, where Enter searches again.
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

AnagramQuery ScrabbleOptions::query(std::u16string_view draw) const {
    return {.draw = draw,
            .shorterWords = shorterWordsBox_->isChecked(),
            .boardLetter = boardLetterBox_->isChecked(),
            .twoJokers = shorterWordsBox_->isChecked()};
}

bool ScrabbleOptions::showsJokerLetters() const {
    return jokerLetterBox_->isChecked();
}

}  // namespace quillex::ui
