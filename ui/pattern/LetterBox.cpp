#include "ui/pattern/LetterBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quillex::ui {
namespace {

// A key that types a letter: A..Z, shifted or not, without the modifiers of a shortcut.
bool IsLetterKey(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers shortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z && !(event.modifiers() & shortcut);
}

}  // namespace

LetterBox::LetterBox(int number, QWidget* parent) : QLineEdit(parent), number_(number) {}

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
    QLineEdit::keyPressEvent(event);
    if (IsLetterKey(*event)) emit letterTyped(number_);
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
