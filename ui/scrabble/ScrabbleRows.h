#pragma once

#include <QStringList>
#include <span>
#include <vector>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/Hooks.h"

namespace quillex::ui {

/// What the rows of the Scrabble results show and in which order.
struct ScrabbleRowChoice {
    /// The letters jokers and the board stand for in lower case.
    bool markJokerLetters = false;
    /// Each word's value beside it.
    bool values = false;
    /// Each word's hooks beside it, as "[BEFORE/AFTER]".
    bool hooks = false;
    /// Highest value first, equal values in list order.
    bool byValue = false;
    /// The words shorter than the draw set apart under a header line.
    bool shorterApart = false;
};

/// The texts of the result rows, with the place of the header line if there is one.
struct ScrabbleRows {
    QStringList texts;
    /// The index in texts before which the header of the shorter words goes; -1 for none.
    int headerAt = -1;
};

/// The header line that opens the shorter words.
inline const QString ShorterWordsHeader = QStringLiteral("— Mots plus courts —");

/// The rows for the words of a search of a draw of `drawLength` characters. Each row starts with
/// the word, so that the word to copy is the row's first field in capitals; the value and hooks
/// follow in aligned columns. `hooks` is read only when the choice shows them.
ScrabbleRows MakeScrabbleRows(const AnagramOutcome& outcome, std::span<const int> values,
                              std::span<const WordHooks> hooks, int drawLength,
                              const ScrabbleRowChoice& choice);

/// The word a row stands for: its first field, in capitals.
QString RowWord(const QString& rowText);

}  // namespace quillex::ui
