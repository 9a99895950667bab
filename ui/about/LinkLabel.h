#pragma once

#include <QLabel>
#include <functional>

namespace quillex::ui {

/// A text link: blue and underlined, opened by a left click or, once reached by Tab, by
/// Enter or Space; a dotted frame shows when it has the focus. Assistive tools see a link
/// with its press action.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    /// `open` runs on each activation.
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> open);

    /// Opens the link, as a click does.
    void activate() const { open_(); }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> open_;
};

}  // namespace quillex::ui
