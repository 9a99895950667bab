#include "ui/scrabble/ScrabbleOptions.h"

#include <QCheckBox>

#include "ui/app/Appearance.h"

namespace quillex::ui {
namespace {

constexpr int kRowHeight = 22;
// The long captions of the first column need this much room.
constexpr int kFirstColumnWidth = 190;
constexpr int kSecondColumnWidth = 167;

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
    twoJokersBox_ = addBox(QStringLiteral("twoJokersBox"), QStringLiteral("Deux jokers"), 0, 1);
    twoJokersBox_->setToolTip(
        QStringLiteral("Autorise deux jokers « ? » dans le tirage, comme les deux blancs du jeu."));
    valueOrderBox_ =
        addBox(QStringLiteral("valueOrderBox"), QStringLiteral("Trier par valeur"), 1, 1);
    valueOrderBox_->setToolTip(
        QStringLiteral("Les mots qui rapportent le plus d'abord ; à valeur égale, l'ordre de la "
                       "liste."));
    valuesBox_ = addBox(QStringLiteral("valuesBox"), QStringLiteral("Montrer la valeur"), 2, 1);
    valuesBox_->setToolTip(
        QStringLiteral("La valeur des lettres du mot, sans case de couleur ; un joker vaut 0."));
    hooksBox_ = addBox(QStringLiteral("hooksBox"), QStringLiteral("Montrer les rallonges"), 3, 0);
    hooksBox_->setToolTip(
        QStringLiteral("[AVANT/APRÈS] : les lettres qui, placées devant ou derrière le mot, "
                       "forment un autre mot."));
    connect(jokerLetterBox_, &QCheckBox::toggled, this, &ScrabbleOptions::jokerLettersToggled);
    for (QCheckBox* box : {shorterWordsBox_, boardLetterBox_, twoJokersBox_})
        connect(box, &QCheckBox::toggled, this, &ScrabbleOptions::wordChoiceToggled);
    for (QCheckBox* box : {valueOrderBox_, valuesBox_, hooksBox_})
        connect(box, &QCheckBox::toggled, this, &ScrabbleOptions::rowChoiceToggled);
}

QCheckBox* ScrabbleOptions::addBox(const QString& objectName, const QString& caption, int row,
                                   int column) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    box->setGeometry(column * kFirstColumnWidth, row * kRowHeight,
                     column == 0 ? kFirstColumnWidth : kSecondColumnWidth, kRowHeight);
    box->setFont(CalibriFont(11));
    // Reached by Tab; a click leaves the focus in the draw box, where Enter searches again.
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

AnagramQuery ScrabbleOptions::query(std::u16string_view draw) const {
    return {.draw = draw,
            .shorterWords = shorterWordsBox_->isChecked(),
            .boardLetter = boardLetterBox_->isChecked(),
            .twoJokers = shorterWordsBox_->isChecked() || twoJokersBox_->isChecked()};
}

bool ScrabbleOptions::showsJokerLetters() const {
    return jokerLetterBox_->isChecked();
}

}  // namespace quillex::ui

namespace quillex::ui {

ScrabbleRowChoice ScrabbleOptions::rowChoice() const {
    return {.markJokerLetters = jokerLetterBox_->isChecked(),
            .values = valuesBox_->isChecked(),
            .hooks = hooksBox_->isChecked(),
            .byValue = valueOrderBox_->isChecked(),
            .shorterApart = shorterWordsBox_->isChecked()};
}

}  // namespace quillex::ui
