#include "ui/pattern/LetterBox.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QValidator>

#include "core/pattern/Pattern.h"

namespace quillex::ui {
namespace {

// Keeps the first character the box accepts, as the box shows it; an emptied box shows "?".
// A text with no such character is refused, and the box keeps what it held.
class LetterValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        if (input.isEmpty()) input = QStringLiteral("?");
        for (const QChar typed : input) {
            if (const auto shown = LetterBox::ShownCharacter(typed)) {
                input = *shown;
                pos = 1;
                return Acceptable;
            }
        }
        return Invalid;
    }
};

}  // namespace

LetterBox::LetterBox(int number, QWidget* parent) : QLineEdit(parent), number_(number) {
    setValidator(new LetterValidator(this));
}

std::optional<QChar> LetterBox::ShownCharacter(QChar typed) {
    if (typed == u' ' || typed == u'.') return QChar(u'?');
    if (!IsOnePositionCharacter(typed.unicode())) return std::nullopt;
    return typed.toUpper();
}

void LetterBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
    emit focused(number_, event->reason() == Qt::ActiveWindowFocusReason ||
                              event->reason() == Qt::PopupFocusReason);
}

void LetterBox::keyPressEvent(QKeyEvent* event) {
    emit keyDown(number_);
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        // The arrows only move between boxes; the caret of a one-letter box has nowhere to go.
        emit moveRequested(event->key() == Qt::Key_Left ? number_ - 1 : number_ + 1);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    constexpr Qt::KeyboardModifiers shortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->text().size() == 1 && !(event->modifiers() & shortcut) &&
        ShownCharacter(event->text().front()))
        emit letterTyped(number_);
}

void LetterBox::pasteClipboard() {
    emit textPasted(number_, QGuiApplication::clipboard()->text());
}

// The menu's "Coller" pastes as Ctrl+V does.
void LetterBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, this, nullptr);
        connect(paste, &QAction::triggered, this, &LetterBox::pasteClipboard);
    }
    menu->popup(event->globalPos());
}

// The click that enters a box would put the caret beside its letter, where a typed letter is
// dropped; like a key that enters it, it leaves the whole text selected for typing over.
void LetterBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (focusedByClick_) selectAll();
}

void LetterBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (focusedByClick_) selectAll();
    focusedByClick_ = false;
}

}  // namespace quillex::ui
