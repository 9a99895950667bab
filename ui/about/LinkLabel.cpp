#include "ui/about/LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quillex::ui {
namespace {

// A label would be read as plain text with no action; the link is a link that can be pressed.
class LinkAccessible : public QAccessibleWidget {
  public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const auto* link = static_cast<const LinkLabel*>(widget());
        if (t == QAccessible::Name)
            return link->accessibleName().isEmpty() ? link->text() : link->accessibleName();
        if (t == QAccessible::Value) return link->toolTip();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return {pressAction(), QAccessibleActionInterface::setFocusAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<LinkLabel*>(widget())->activate();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* LinkAccessibleFactory(const QString&, QObject* object) {
    auto* link = qobject_cast<LinkLabel*>(object);
    return link ? new LinkAccessible(link) : nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> open)
    : QLabel(text, parent), open_(std::move(open)) {
    static const bool factoryInstalled = (QAccessible::installFactory(LinkAccessibleFactory), true);
    (void)factoryInstalled;
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
