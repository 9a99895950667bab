#pragma once

#include <QCheckBox>

namespace quillex::ui {

/// A check box without text whose indicator is the program's own square, ticked or not. It
/// toggles as any check box does: by a click on the square, by Space and by its accessible
/// action.
class ImageCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    /// Reached by Tab only: a click toggles it and leaves the focus where it was.
    explicit ImageCheckBox(QWidget* parent = nullptr);

    /// Places the square with its top left corner at `topLeft` of the parent; the widget has a
    /// margin around it for the focus frame.
    void placeSquare(const QPoint& topLeft);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    QRect squareRect() const;
};

}  // namespace quillex::ui
