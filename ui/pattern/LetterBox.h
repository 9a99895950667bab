#pragma once

#include <QLineEdit>

namespace quillex::ui {

/// One of the pattern tab's one-letter boxes. It reports its focus gains and key-downs to the
/// tab, which holds the rules, and turns the left and right arrows into moves between boxes.
class LetterBox : public QLineEdit {
    Q_OBJECT
  public:
    /// number: the box's place in the row, 1 for the leftmost.
    LetterBox(int number, QWidget* parent = nullptr);

    /// The box's place in the row, 1-based.
    int number() const { return number_; }

  signals:
    /// The box got the focus; `windowReturn` when it comes back with its window (after a
    /// message box, a menu or another program) rather than from another control.
    void focused(int number, bool windowReturn);
    /// A key went down in the box, before it has any effect.
    void keyDown(int number);
    /// An arrow key asks for the focus to go to box `target` (0 or 16 when there is none).
    void moveRequested(int target);
    /// A letter key was typed and its letter has reached the box.
    void letterTyped(int number);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int number_;
    bool focusedByClick_ = false;
};

}  // namespace quillex::ui
