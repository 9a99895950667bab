#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

namespace quillex::ui {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

Qt::CursorShape ToQt(PointerShape shape) {
    return shape == PointerShape::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor;
}

}  // namespace

MessageAnswer QtMessageService::show(const MessageRequest& request) {
    QMessageBox box(ToQt(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (request.buttons == MessageButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
}

bool QtClipboardService::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text;
}

bool QtShellService::open(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void QtPointerService::setScreenPointer(PointerShape shape) {
    if (shape == PointerShape::Arrow) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        overriding_ = false;
        return;
    }
    if (overriding_)
        QApplication::changeOverrideCursor(ToQt(shape));
    else
        QApplication::setOverrideCursor(ToQt(shape));
    overriding_ = true;
}

void QtPointerService::setWindowPointer(QWidget* window, PointerShape shape) {
    if (window) window->setCursor(ToQt(shape));
}

void QtPointerService::resetWindowPointer(QWidget* window) {
    if (window) window->unsetCursor();
}

}  // namespace quillex::ui
