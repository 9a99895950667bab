#include "ui/tabs/ResultCopy.h"

#include <QEvent>
#include <QListWidget>

#include "ui/app/AppConstants.h"

namespace quillex::ui {
namespace {

// A click that selects a word copies it through the change of selection; a click on the word
// already selected changes nothing, so the click copies it. The press tells the two apart.
class ChosenResultCopier final : public QObject {
  public:
    ChosenResultCopier(QListWidget& list, TabContext& context, CopiedWord copiedWord)
        : QObject(&list), list_(list), context_(context), copiedWord_(copiedWord) {
        list.viewport()->installEventFilter(this);
        connect(&list, &QListWidget::itemSelectionChanged, this,
                &ChosenResultCopier::onSelectionChanged);
        connect(&list, &QListWidget::itemClicked, this, &ChosenResultCopier::onClicked);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) copiedSincePress_ = false;
        return QObject::eventFilter(watched, event);
    }

  private:
    void onSelectionChanged() {
        const QList<QListWidgetItem*> selected = list_.selectedItems();
        if (selected.isEmpty()) return;  // a cleared list, not a choice
        CopyResult(context_, wordOf(*selected.first()));
        copiedSincePress_ = true;
    }
    void onClicked(QListWidgetItem* item) {
        // A group's header line is clicked like any other, but is no word.
        if (item && !copiedSincePress_ && (item->flags() & Qt::ItemIsSelectable))
            CopyResult(context_, wordOf(*item));
        copiedSincePress_ = true;
    }

    QString wordOf(const QListWidgetItem& item) const {
        return copiedWord_ ? copiedWord_(item) : item.text();
    }

    QListWidget& list_;
    TabContext& context_;
    CopiedWord copiedWord_;
    bool copiedSincePress_ = false;
};

}  // namespace

void CopyResult(TabContext& context, const QString& word) {
    // A clipboard held by another program is not worth a message: the copy is simply lost, and
    // the notice waits for a copy that is really made.
    if (!context.platform.clipboard.setText(word) || !context.state.copyNoticePending) return;
    context.platform.messages.show(
        {AppTitle, QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      "),
         MessageIcon::Information, MessageButtons::Ok});
    context.state.copyNoticePending = false;
}

void CopyChosenResults(QListWidget& list, TabContext& context, CopiedWord copiedWord) {
    new ChosenResultCopier(list, context, copiedWord);
}

}  // namespace quillex::ui
