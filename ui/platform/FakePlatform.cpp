#include "ui/platform/FakePlatform.h"

namespace quillex::ui {

MessageAnswer FakeMessageService::show(const MessageRequest& request) {
    shown.append(request);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

bool FakeClipboardService::setText(const QString& text) {
    if (failing) return false;
    texts.append(text);
    return true;
}

bool FakeShellService::open(const QString& address) {
    opened.append(address);
    return true;
}

void FakePointerService::setScreenPointer(PointerShape shape) {
    screen = shape;
    screenHistory.append(shape);
}

void FakePointerService::setWindowPointer(QWidget*, PointerShape shape) {
    windowShape = shape;
    windowPointerIsDefault = false;
}

void FakePointerService::resetWindowPointer(QWidget*) {
    windowPointerIsDefault = true;
}

}  // namespace quillex::ui
