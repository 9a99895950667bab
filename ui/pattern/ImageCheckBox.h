#pragma once

#include <QCheckBox>

namespace quillex::ui {

/// A check box drawn with the program's own square, ticked or not, and its caption to the
/// right. It toggles as any check box does: by a click on the square or the caption, by Space
/// and by its accessible action.
class ImageCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    /// Reached by Tab only: a click toggles it and leaves the focus where it was.
    ImageCheckBox(const QString& caption, QWidget* parent = nullptr);

    /// Places the square with its top left corner at `topLeft` of the parent and the caption
    /// `captionWidth` pixels wide beside it; the widget has a margin for the focus frame.
    void place(const QPoint& topLeft, int captionWidth);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    QRect squareRect() const;
    QRect captionRect() const;
};

}  // namespace quillex::ui
