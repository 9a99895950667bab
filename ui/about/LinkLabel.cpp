#include "ui/about/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quillex::ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> open)
    : QLabel(text, parent), open_(std::move(open)) {
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click opens it without moving the focus, as before the keyboard.
    setFocusPolicy(Qt::TabFocus);
    // The transparent frame keeps the text in place when the focus frame shows.
    setStyleSheet(
        QStringLiteral("QLabel { color: blue; text-decoration: underline;"
                       " border: 1px solid transparent; }"
                       " QLabel:focus { border: 1px dotted blue; }"));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // A click is a left-button release over the link, as for any link.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) open_();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // Taken here: Enter must not reach the window, which would run a search.
            event->accept();
            if (!event->isAutoRepeat()) open_();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

}  // namespace quillex::ui
