#pragma once

#include "ui/platform/Platform.h"

namespace quillex::ui {

/// Message boxes with French standard buttons ("Oui", "Non", "OK").
class QtMessageService final : public MessageService {
  public:
    MessageAnswer show(const MessageRequest& request) override;
};

/// QGuiApplication's clipboard.
class QtClipboardService final : public ClipboardService {
  public:
    bool setText(const QString& text) override;
};

/// QDesktopServices.
class QtShellService final : public ShellService {
  public:
    bool open(const QString& address) override;
};

/// An override cursor for the screen-wide pointer, QWidget::setCursor for one window.
class QtPointerService final : public PointerService {
  public:
    void setScreenPointer(PointerShape shape) override;
    void setWindowPointer(QWidget* window, PointerShape shape) override;
    void resetWindowPointer(QWidget* window) override;

  private:
    bool overriding_ = false;
};

/// The Qt services of the running program.
class QtPlatform {
  public:
    Platform platform() { return {messages_, clipboard_, shell_, pointer_}; }

  private:
    QtMessageService messages_;
    QtClipboardService clipboard_;
    QtShellService shell_;
    QtPointerService pointer_;
};

}  // namespace quillex::ui
