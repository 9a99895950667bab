#pragma once

#include <QTimer>
#include <cstdint>
#include <vector>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/Hooks.h"
#include "ui/common/TabContext.h"
#include "ui/common/TabPage.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillex::ui {

class ResultList;
class ScrabbleOptions;

/// The "Scrabble" tab: a draw of up to nine characters, its anagrams in the Scrabble list, and
/// the copy of a chosen word.
class ScrabbleTab : public TabPage {
    Q_OBJECT
  public:
    explicit ScrabbleTab(TabContext& context, QWidget* parent = nullptr);

  private:
    void buildDrawPanel();
    void buildResultControls();
    void buildHelpTexts();

    QString drawText() const;
    void onDrawChanged();
    void onSearchClicked();
    void runDelayedSearch();
    int runSearch();
    void showRefusal(AnagramStatus status);
    int listWords(const AnagramOutcome& outcome, std::u16string_view draw);
    int wordsListedSoFar() const;
    void finishSearch(int count);
    void focusDrawBoxIfShown();
    void writeListedWords();
    void refreshListedWords();
    void showFoundRows();

    TabContext& context_;
    QLabel* drawPanel_ = nullptr;
    QLineEdit* drawBox_ = nullptr;
    QLabel* drawLength_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    ResultList* resultList_ = nullptr;
    QLabel* resultCount_ = nullptr;
    ScrabbleOptions* options_ = nullptr;
    /// The words listed, with the places of the letters jokers or the board stand for.
    AnagramOutcome found_;
    /// Their values, and their hooks once a row has shown them.
    std::vector<int> foundValues_;
    std::vector<WordHooks> foundHooks_;
    /// The length of the draw they were found for.
    int foundDrawLength_ = 0;
    QTimer searchTimer_{this};
    /// Set once the running search has cleared the list and starts listing its own words.
    bool listing_ = false;
    /// The draw, as typed, whose words the list shows; empty when it shows none.
    QString listedDraw_;
    /// Set while the search asked for by an option box is pending or running: it leaves the
    /// focus where the user has it.
    bool refreshing_ = false;
};

}  // namespace quillex::ui
