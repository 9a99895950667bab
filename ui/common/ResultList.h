#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "ui/common/TabContext.h"

namespace quillex::ui {

/// The rows of a result list, read in place: words stay views of the built-in lists and are
/// decoded only when a row is drawn, so a list of thousands costs no object per row. A row is a
/// word, a text, or a group header: a line naming the group below it, centred and greyed, that
/// can be neither selected nor reached with the arrows, so it is never taken for a word or copied.
class ResultModel final : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    void clear();
    /// Appends the words in their order; they must outlive the rows (the built-in lists do).
    void appendWords(std::vector<std::string_view> words);
    void appendTexts(QStringList texts);
    void appendHeader(const QString& text);
    /// Whether each row shows its whole text as a tip, for rows wider than the list.
    void setTextTips(bool shown) { textTips_ = shown; }

    /// The text the row shows; empty beyond the rows.
    QString text(int row) const;
    bool isHeader(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    // Consecutive rows of one kind; a list holds a few of them.
    struct Block {
        int firstRow = 0;
        std::vector<std::string_view> words;
        QStringList texts;
        bool header = false;
        int size() const;
    };
    const Block& blockOf(int row) const;
    void append(Block block);

    std::vector<Block> blocks_;
    int rowCount_ = 0;
    bool textTips_ = false;
};

/// A list of results over a ResultModel: one row per word or text, of uniform height. A filled
/// list shows its first rows, never the scroll offset of the rows it replaces.
class ResultList : public QListView {
    Q_OBJECT
  public:
    explicit ResultList(QWidget* parent = nullptr);

    void clear() { rows_.clear(); }
    void appendWords(std::vector<std::string_view> words);
    void appendTexts(QStringList texts);
    void appendHeader(const QString& text) { rows_.appendHeader(text); }
    void setTextTips(bool shown) { rows_.setTextTips(shown); }

    int count() const { return rows_.rowCount(); }
    QString text(int row) const { return rows_.text(row); }
    bool isHeader(int row) const { return rows_.isHeader(row); }

    /// How a row's text reads as the word to copy, for a list that writes its words otherwise.
    using CopiedWord = QString (*)(const QString& text);
    /// Copies the word chosen in the list: on every change of selection, by mouse or keyboard,
    /// and on a click on the word already selected.
    void copyChosenWords(TabContext& context, CopiedWord copiedWord = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void copyRow(int row);

    ResultModel rows_;
    TabContext* copyContext_ = nullptr;
    CopiedWord copiedWord_ = nullptr;
    // A click that selects a word copies it through the change of selection; a click on the
    // word already selected changes nothing, so the click copies it. The press tells them apart.
    bool copiedSincePress_ = false;
};

/// Puts a chosen result on the clipboard; the first copy the clipboard takes shows the notice.
void CopyResult(TabContext& context, const QString& word);

}  // namespace quillex::ui
