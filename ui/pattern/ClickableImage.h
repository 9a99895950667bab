#pragma once

#include <QLabel>

namespace quillex::ui {

/// A picture that answers a click of the left mouse button.
class ClickableImage : public QLabel {
    Q_OBJECT
  public:
    /// Built as any label; give it a pixmap.
    using QLabel::QLabel;

  signals:
    /// The left button was pressed and released over the picture.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quillex::ui
