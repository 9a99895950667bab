#pragma once

#include <QList>
#include <QStringList>
#include <deque>

#include "ui/platform/Platform.h"

class QWidget;

namespace quillex::ui {

/// Records every message box and answers from a script (default: OK, or No to a question).
class FakeMessageService final : public MessageService {
  public:
    MessageAnswer show(const MessageRequest& request) override;
    QList<MessageRequest> shown;
    std::deque<MessageAnswer> answers;
};

/// Records the texts put on the clipboard; can be made to fail.
class FakeClipboardService final : public ClipboardService {
  public:
    bool setText(const QString& text) override;
    QStringList texts;
    bool failing = false;
};

/// Records the addresses asked for.
class FakeShellService final : public ShellService {
  public:
    bool open(const QString& address) override;
    QStringList opened;
};

/// Records the pointer changes.
class FakePointerService final : public PointerService {
  public:
    void setScreenPointer(PointerShape shape) override;
    void setWindowPointer(QWidget* window, PointerShape shape) override;
    void resetWindowPointer(QWidget* window) override;
    PointerShape screen = PointerShape::Arrow;
    QList<PointerShape> screenHistory;
    bool windowPointerIsDefault = true;
    PointerShape windowShape = PointerShape::Arrow;
};

/// All four fakes, and the Platform that hands them out.
struct FakePlatform {
    FakeMessageService messages;
    FakeClipboardService clipboard;
    FakeShellService shell;
    FakePointerService pointer;
    Platform platform() { return {messages, clipboard, shell, pointer}; }
};

}  // namespace quillex::ui
