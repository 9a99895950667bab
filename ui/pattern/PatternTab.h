#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/Pattern.h"
#include "ui/common/TabContext.h"
#include "ui/common/TabPage.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillex::ui {

class ImageCheckBox;
class LetterBox;
class ResultList;

/// The "Rechercher" tab: a word length, the known letters typed into a row of one-letter boxes
/// ("?" where the letter is unknown), and every word of the main list with those letters at
/// those places; with a clue ("Définition"), only those that are synonyms of it.
class PatternTab : public TabPage {
    Q_OBJECT
  public:
    explicit PatternTab(TabContext& context, QWidget* parent = nullptr);

    /// The letter box entered last, 0 before any: a search and the option give it the focus back.
    int lastBox() const { return lastBox_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int BoxCount = 15;

    void buildLengthList();
    void buildLetterBoxes();
    void buildSearchControls();
    void buildClue();
    void buildOption();
    void buildMotif();
    void onMotifEdited(const QString& text);
    void buildCaptions();
    QLabel* addCaption(const QString& name, const QString& text, const QRect& geometry,
                       bool bold = false);

    LetterBox* box(int number) const { return letterBoxes_[number - 1]; }
    QString boxText(int number) const;
    void writeBox(int number, const QString& text);
    void setBoxTextColour(int number);
    void setBoxInLength(int number, bool inLength);
    void selectIfFocused(int number);

    void onBoxChanged(int number);
    void showInvalidCharNotice();
    void onTextPasted(int number, const QString& pasted);
    void onBoxFocused(int number, bool windowReturn);
    void onBoxKeyDown();
    void onLetterTyped(int number);
    void moveFocusToBox(int number);
    void focusLastUsedBox();
    QString clueText() const;
    void updateSearchButton();
    bool onLengthKey(const QKeyEvent& event);
    int typedLengthIndex(QChar digit);
    void onLengthChosen(int index);
    void applyLength(int length);
    void onAutoAdvanceClicked(bool checked);

    QString patternOfBoxes() const;
    void onSearchClicked();
    /// The clue's synonyms, or false when the clue has none (refused with a message).
    bool lookUpClue();
    /// The pattern to scan, or nothing when refused with a message.
    std::optional<Pattern> readBoxes();
    std::optional<Pattern> readMotif();
    void startScan();
    void runScan();
    void showListAsSearching(bool searching);
    void endScan();

    TabContext& context_;
    QComboBox* lengthList_ = nullptr;
    std::array<LetterBox*, BoxCount> letterBoxes_{};
    std::array<QLabel*, BoxCount> boxNumbers_{};
    ImageCheckBox* autoAdvanceBox_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    ResultList* resultList_ = nullptr;
    QLabel* resultCount_ = nullptr;
    QLineEdit* clueBox_ = nullptr;
    QLineEdit* motifBox_ = nullptr;
    QTimer scanTimer_{this};

    // State of the length list, the boxes and the search.
    int searchLength_ = 0;
    int lastBox_ = 0;
    // Digits typed in a row into the closed length list, and when the last one came.
    QString typedDigits_;
    QElapsedTimer lengthTyping_;
    bool invalidCharNoticeDone_ = false;
    // The clue of the search under way, looked up when the button was pressed.
    std::optional<ClueSynonyms> clue_;
    // Set while the "Motif" field is the way in use: edited after the boxes and the length.
    bool motifInUse_ = false;
    // The pattern of the search under way, read from the boxes or the motif when the search is
    // asked for; the scan searches it.
    std::optional<Pattern> scanPattern_;
};

}  // namespace quillex::ui
