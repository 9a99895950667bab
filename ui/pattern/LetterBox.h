#pragma once

#include <QLineEdit>
#include <optional>

namespace quillex::ui {

/// One of the pattern tab's one-letter boxes. Its validator keeps one character, as the box
/// shows it: a capital, or "?" for an unknown letter (typed as "?", a space or "."); a text
/// without any such character is refused. It reports its focus gains, key-downs and typed
/// characters to the tab, hands a pasted text to the tab whole, and turns the left and right
/// arrows into moves between boxes.
class LetterBox : public QLineEdit {
    Q_OBJECT
  public:
    /// number: the box's place in the row, 1 for the leftmost.
    LetterBox(int number, QWidget* parent = nullptr);

    /// The box's place in the row, 1-based.
    int number() const { return number_; }

    /// The character a box shows for a typed one; none when the box refuses it.
    static std::optional<QChar> ShownCharacter(QChar typed);

  signals:
    /// The box got the focus; `windowReturn` when it comes back with its window (after a
    /// message box, a menu or another program) rather than from another control.
    void focused(int number, bool windowReturn);
    /// A key went down in the box, before it has any effect.
    void keyDown(int number);
    /// An arrow key asks for the focus to go to box `target` (0 or 16 when there is none).
    void moveRequested(int target);
    /// A character the box accepts was typed: a letter or an unknown letter.
    void letterTyped(int number);
    /// A text was pasted into the box: the tab spreads it over the boxes.
    void textPasted(int number, const QString& text);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void pasteClipboard();

    int number_;
    bool focusedByClick_ = false;
};

}  // namespace quillex::ui
