#pragma once

#include <QString>
#include <exception>

#include "core/errors/ErrorPlaceCode.h"
#include "core/synonyms/SynonymEngine.h"
#include "core/synonyms/SynonymLookupResult.h"
#include "ui/common/TabContext.h"
#include "ui/common/TabPage.h"

class QComboBox;
class QLabel;
class QModelIndex;
class QPushButton;

namespace quillex::ui {

class ResultList;

/// The "Synonyme" tab: lists the headwords that begin with the typed word, looks a word up,
/// lists its synonyms and keeps every text looked up in the combo box's drop-down list.
class SynonymTab : public TabPage {
    Q_OBJECT
  public:
    explicit SynonymTab(TabContext& context, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();

    void onWordEdited(const QString& text);
    void onHistoryChosen();
    void onHeadwordChosen(const QModelIndex& row);
    void onSynonymClicked(const QModelIndex& row);
    void lookUpRow(const QModelIndex& row);
    void lookUpText(const QString& text);
    void setWordText(const QString& text);
    void browse(const QString& loweredText);
    void synonymLookup();

    void refillHistory(const QString& typedText);
    void showResult(const SynonymLookupResult& result);
    void setSearchEnabled(bool enabled);
    void reportFailure(const std::exception& failure, ErrorPlaceCode place);

    TabContext& context_;
    /// The listing the headword list shows, the look-ups and their history.
    SynonymEngine engine_;
    /// The headword the last press on the headword list chose. The click refills the list, so
    /// the double-click that follows may land on another word or on none.
    QString clickedHeadword_;
    /// Set from a double-click on the headword list until its button comes up: the list would
    /// take that release for a click on the word again.
    bool doubleClickHeld_ = false;

    QComboBox* wordBox_ = nullptr;
    ResultList* headwordList_ = nullptr;
    ResultList* synonymList_ = nullptr;
    QLabel* resultCount_ = nullptr;
    QLabel* foundWord_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace quillex::ui
