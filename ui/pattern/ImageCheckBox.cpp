#include "ui/pattern/ImageCheckBox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace quillex::ui {
namespace {

constexpr int kSquareSize = 16;
// Room around the square for the focus frame, so that the frame never covers the tick.
constexpr int kFocusMargin = 2;
// From the square's left edge to the caption's.
constexpr int kCaptionOffset = 24;

// The empty square, or the same square with a tick.
void DrawSquare(QPainter& painter, const QPoint& topLeft, bool ticked) {
    painter.save();
    painter.translate(topLeft);
    painter.fillRect(0, 0, kSquareSize, kSquareSize, Qt::white);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.drawRect(0, 0, kSquareSize - 1, kSquareSize - 1);
    if (ticked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3.5, 8.0);
        tick.lineTo(6.5, 11.5);
        tick.lineTo(12.5, 4.0);
        painter.drawPath(tick);
    }
    painter.restore();
}

}  // namespace

ImageCheckBox::ImageCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setFocusPolicy(Qt::TabFocus);
}

void ImageCheckBox::place(const QPoint& topLeft, int captionWidth) {
    setGeometry(topLeft.x() - kFocusMargin, topLeft.y() - kFocusMargin,
                kCaptionOffset + captionWidth + 2 * kFocusMargin, kSquareSize + 2 * kFocusMargin);
}

QRect ImageCheckBox::squareRect() const {
    return QRect(kFocusMargin, kFocusMargin, kSquareSize, kSquareSize);
}

QRect ImageCheckBox::captionRect() const {
    return rect().adjusted(kFocusMargin + kCaptionOffset, 0, 0, 0);
}

void ImageCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawSquare(painter, squareRect().topLeft(), isChecked());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (!hasFocus()) return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

// The square and its caption answer the mouse, as every check box's caption does.
bool ImageCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace quillex::ui
