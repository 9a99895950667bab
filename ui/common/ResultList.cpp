#include "ui/common/ResultList.h"

#include <QBrush>
#include <QFont>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>

#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {

int ResultModel::Block::size() const {
    return static_cast<int>(words.empty() ? texts.size() : words.size());
}

void ResultModel::clear() {
    if (rowCount_ == 0) return;
    beginResetModel();
    blocks_.clear();
    rowCount_ = 0;
    endResetModel();
}

void ResultModel::append(Block block) {
    const int size = block.size();
    if (size == 0) return;
    block.firstRow = rowCount_;
    beginInsertRows({}, rowCount_, rowCount_ + size - 1);
    blocks_.push_back(std::move(block));
    rowCount_ += size;
    endInsertRows();
}

void ResultModel::appendWords(std::vector<std::string_view> words) {
    Block block;
    block.words = std::move(words);
    append(std::move(block));
}

void ResultModel::appendTexts(QStringList texts) {
    Block block;
    block.texts = std::move(texts);
    append(std::move(block));
}

void ResultModel::appendHeader(const QString& text) {
    Block block;
    block.texts = QStringList{text};
    block.header = true;
    append(std::move(block));
}

const ResultModel::Block& ResultModel::blockOf(int row) const {
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), row,
                                        [](int r, const Block& b) { return r < b.firstRow; });
    return *(after - 1);
}

QString ResultModel::text(int row) const {
    if (row < 0 || row >= rowCount_) return {};
    const Block& block = blockOf(row);
    const int place = row - block.firstRow;
    return block.words.empty() ? block.texts[place] : ToQString(block.words[place]);
}

bool ResultModel::isHeader(int row) const {
    return row >= 0 && row < rowCount_ && blockOf(row).header;
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount_) return {};
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && textTips_)) return text(index.row());
    if (!isHeader(index.row())) return {};
    switch (role) {
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::ForegroundRole:
            return QBrush(Grey);
        case Qt::FontRole: {
            // Only the slant: the rest comes from the list's own font.
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        default:
            return {};
    }
}

Qt::ItemFlags ResultModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || isHeader(index.row())) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

ResultList::ResultList(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setModel(&rows_);
}

void ResultList::appendWords(std::vector<std::string_view> words) {
    rows_.appendWords(std::move(words));
    // A cleared list keeps its scroll bar where it was until the next layout pass, which the
    // new rows would then inherit.
    scrollToTop();
}

void ResultList::appendTexts(QStringList texts) {
    rows_.appendTexts(std::move(texts));
    scrollToTop();
}

void ResultList::copyChosenWords(TabContext& context, CopiedWord copiedWord) {
    copyContext_ = &context;
    copiedWord_ = copiedWord;
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        if (selected.isEmpty()) return;  // a cleared list, not a choice
        copyRow(selected.first().row());
        copiedSincePress_ = true;
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        // A group's header line is clicked like any other, but is no word.
        if (index.isValid() && !copiedSincePress_ && !rows_.isHeader(index.row()))
            copyRow(index.row());
        copiedSincePress_ = true;
    });
}

void ResultList::mousePressEvent(QMouseEvent* event) {
    copiedSincePress_ = false;
    QListView::mousePressEvent(event);
}

void ResultList::copyRow(int row) {
    const QString shown = rows_.text(row);
    CopyResult(*copyContext_, copiedWord_ ? copiedWord_(shown) : shown);
}

void CopyResult(TabContext& context, const QString& word) {
    // A clipboard held by another program is not worth a message: the copy is simply lost, and
    // the notice waits for a copy that is really made.
    if (!context.platform.clipboard.setText(word) || !context.state.copyNoticePending) return;
    context.platform.messages.show(
        {AppTitle, QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      "),
         MessageIcon::Information, MessageButtons::Ok});
    context.state.copyNoticePending = false;
}

}  // namespace quillex::ui
