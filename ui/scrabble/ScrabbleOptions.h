#pragma once

#include <QWidget>
#include <string_view>

#include "core/anagram/AnagramQuery.h"
#include "ui/scrabble/ScrabbleRows.h"

class QCheckBox;

namespace quillex::ui {

/// The Scrabble tab's option boxes, all off at start: the joker's letter shown in lower case,
/// the shorter words (with two jokers allowed), the words one board letter longer, two jokers
/// on their own, the order by value, and each word's value and hooks.
class ScrabbleOptions : public QWidget {
    Q_OBJECT
  public:
    explicit ScrabbleOptions(QWidget* parent = nullptr);

    /// The search the boxes ask for, over a draw that must outlive the query.
    AnagramQuery query(std::u16string_view draw) const;
    /// Whether found words show the letters jokers stand for in lower case.
    bool showsJokerLetters() const;
    /// How the found words' rows read: marks, values, hooks, order, shorter words apart.
    ScrabbleRowChoice rowChoice() const;

  signals:
    /// The joker-letter box changed: the listed words are to be written again.
    void jokerLettersToggled(bool shown);
    /// The shorter-words or the board-letter box changed: another search finds other words.
    void wordChoiceToggled();
    /// The value, hooks or order box changed: the listed words are to be written again.
    void rowChoiceToggled();

  private:
    QCheckBox* addBox(const QString& objectName, const QString& caption, int row, int column = 0);

    QCheckBox* jokerLetterBox_ = nullptr;
    QCheckBox* shorterWordsBox_ = nullptr;
    QCheckBox* boardLetterBox_ = nullptr;
    QCheckBox* twoJokersBox_ = nullptr;
    QCheckBox* valueOrderBox_ = nullptr;
    QCheckBox* valuesBox_ = nullptr;
    QCheckBox* hooksBox_ = nullptr;
};

}  // namespace quillex::ui
