#include "ui/pattern/ImageCheckBox.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/pattern/CheckBoxImage.h"

namespace quillex::ui {
namespace {

// Room around the square for the focus frame, so that the frame never covers the tick.
constexpr int kFocusMargin = 2;

}  // namespace

ImageCheckBox::ImageCheckBox(QWidget* parent) : QCheckBox(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void ImageCheckBox::placeSquare(const QPoint& topLeft) {
    const int side = CheckBoxImageSize + 2 * kFocusMargin;
    setGeometry(topLeft.x() - kFocusMargin, topLeft.y() - kFocusMargin, side, side);
}

QRect ImageCheckBox::squareRect() const {
    return QRect(kFocusMargin, kFocusMargin, CheckBoxImageSize, CheckBoxImageSize);
}

void ImageCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(squareRect().topLeft(), CheckBoxImage(isChecked()));
    if (!hasFocus()) return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

// Only the square answers the mouse, as the picture did; the margin is for the focus frame.
bool ImageCheckBox::hitButton(const QPoint& pos) const {
    return squareRect().contains(pos);
}

}  // namespace quillex::ui
