#pragma once

#include <QString>
#include <QTimer>
#include <array>

#include "tabs/TabContext.h"
#include "tabs/TabPage.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillex::ui {

class ClickableImage;
class LetterBox;

/// The "Rechercher" tab: a word length, the known letters typed into a row of one-letter boxes
/// ("?" where the letter is unknown), and every word of the main list with those letters at
/// those places.
class PatternTab : public TabPage {
    Q_OBJECT
  public:
    explicit PatternTab(TabContext& context, QWidget* parent = nullptr);

    /// The length list.
    QWidget* focusTarget() override;
    /// "Rechercher ", enabled while a box within the length holds something other than "?".
    QAbstractButton* searchButton() override;

  private:
    static constexpr int BoxCount = 15;

    void buildLengthList();
    void buildLetterBoxes();
    void buildSearchControls();
    void buildOption();
    void buildCaptions();
    QLabel* addCaption(int index, const QString& text, const QRect& geometry, bool bold = false);

    LetterBox* box(int number) const { return txtS_[number - 1]; }
    QString boxText(int number) const;
    void writeBox(int number, const QString& text);
    void setBoxTextColour(int number);
    void setBoxInLength(int number, bool inLength);

    void onBoxChanged(int number);
    void stringChange(QString text);
    void onBoxFocused(int number, bool windowReturn);
    void onBoxKeyDown();
    void onLetterTyped(int number);
    void moveFocusToBox(int number);
    void focusLastUsedBox();
    void updateSearchButton();
    void onLengthChosen(int index);
    void onTickClicked();
    void onEmptySquareClicked();

    QString patternOfBoxes() const;
    void onSearchClicked();
    void subTropEtoile();
    void startScan();
    void onTimRech1();
    void endScan();
    void onResultSelectionChanged();

    TabContext& context_;
    QComboBox* cboLMot_ = nullptr;
    std::array<LetterBox*, BoxCount> txtS_{};
    std::array<QLabel*, BoxCount> lblN_{};
    QLabel* lblK_ = nullptr;
    ClickableImage* imgCochA0_ = nullptr;
    ClickableImage* imgCochA1_ = nullptr;
    QPushButton* cmdRech1_ = nullptr;
    QListWidget* lstCache1_ = nullptr;
    QListWidget* lstRech1_ = nullptr;
    QLabel* lblRech1_ = nullptr;
    QTimer timRech1_{this};

    // State of the length list, the boxes and the search.
    int searchLength_ = 0;
    int activeBoxIndex_ = 0;
    QString boxTextAtFocus_;
    bool invalidCharNoticeDone_ = false;
    bool jokerLimitFlag_ = false;
    int changeDepth_ = 0;
};

}  // namespace quillex::ui
