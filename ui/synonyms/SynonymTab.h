#pragma once

#include <QString>
#include <exception>

#include "errors/ErrorPlaceCode.h"
#include "synonyms/ListedEntries.h"
#include "synonyms/LookupHistory.h"
#include "synonyms/SynonymLookupResult.h"
#include "tabs/TabContext.h"
#include "tabs/TabPage.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quillex::ui {

/// The "Synonyme" tab: lists the headwords that begin with the typed word, looks a word up,
/// lists its synonyms and keeps every text looked up in the combo box's drop-down list.
class SynonymTab : public TabPage {
    Q_OBJECT
  public:
    explicit SynonymTab(TabContext& context, QWidget* parent = nullptr);

    /// The word box Cbo2.
    QWidget* focusTarget() override;
    /// The look-up button CmdRech3.
    QAbstractButton* searchButton() override;

  private:
    void buildControls();
    void connectHandlers();

    void onComboTextChanged(const QString& text);
    void onHistoryChosen();
    void onHeadwordChosen(QListWidgetItem* item);
    void onSynonymClicked(QListWidgetItem* item);
    void setComboText(const QString& text);
    void runBrowser(const QString& text);
    void synonymLookup();

    void refillHistory(const QString& typedText);
    void showResult(const SynonymLookupResult& result);
    void setSearchEnabled(bool enabled);
    void reportFailure(const std::exception& failure, ErrorPlaceCode place);

    TabContext& context_;
    ListedEntries listedEntries_;
    LookupHistory lookupHistory_;

    QComboBox* cbo2_ = nullptr;
    QLineEdit* txt2_ = nullptr;
    QListWidget* lst12_ = nullptr;
    QListWidget* lst13_ = nullptr;
    QLabel* lbl4_ = nullptr;
    QLabel* lbl5_ = nullptr;
    QPushButton* cmdRech3_ = nullptr;
    QPushButton* cmdRech31_ = nullptr;
    QFrame* sha1_ = nullptr;
};

}  // namespace quillex::ui
