#pragma once

class QWidget;

namespace quillex::ui {

/// Mouse pointer shapes the program uses.
enum class PointerShape { Arrow, Hourglass };

/// The screen-wide pointer (shown over every window) and the pointer of one window.
class PointerService {
  public:
    virtual ~PointerService() = default;
    virtual void setScreenPointer(PointerShape shape) = 0;
    virtual void setWindowPointer(QWidget* window, PointerShape shape) = 0;
    /// Gives the window back the default pointer of its controls.
    virtual void resetWindowPointer(QWidget* window) = 0;
};

}  // namespace quillex::ui
