#pragma once

#include <QString>
#include <QWidget>

#include "core/wordlists/WordList.h"

class QLabel;
class QLineEdit;

namespace quillex::ui {

/// The verdict on the words typed, separated by spaces or commas: "valable" or "non valable"
/// for one word; for several, "valables" when all are, else the ones that are not. Empty for
/// nothing typed.
QString JudgeVerdict(const QString& typed, const WordList& scrabbleList, bool* allValid = nullptr);

/// A field that judges one or several words against the Scrabble list as they are typed, with
/// no anagram search: folded as a draw is, the verdict beside it.
class WordJudgeBox : public QWidget {
    Q_OBJECT
  public:
    WordJudgeBox(const WordList& scrabbleList, QWidget* parent = nullptr);

  private:
    void judge(const QString& typed);

    const WordList& scrabbleList_;
    QLineEdit* wordsBox_ = nullptr;
    QLabel* verdict_ = nullptr;
};

}  // namespace quillex::ui
