#pragma once

#include <QWidget>
#include <string_view>

#include "core/anagram/AnagramQuery.h"

class QCheckBox;

namespace quillex::ui {

/// The Scrabble tab's option boxes, all off at start: the joker's letter shown in lower case,
/// the shorter words (with two jokers allowed), and the words one board letter longer.
class ScrabbleOptions : public QWidget {
    Q_OBJECT
  public:
    explicit ScrabbleOptions(QWidget* parent = nullptr);

    /// The search the boxes ask for, over a draw that must outlive the query.
    AnagramQuery query(std::u16string_view draw) const;
    /// Whether found words show the letters jokers stand for in lower case.
    bool showsJokerLetters() const;

  signals:
    /// The joker-letter box changed: the listed words are to be written again.
    void jokerLettersToggled(bool shown);
    /// The shorter-words or the board-letter box changed: another search finds other words.
    void wordChoiceToggled();

  private:
    QCheckBox* addBox(const QString& objectName, const QString& caption, int row);

    QCheckBox* jokerLetterBox_ = nullptr;
    QCheckBox* shorterWordsBox_ = nullptr;
    QCheckBox* boardLetterBox_ = nullptr;
};

}  // namespace quillex::ui
