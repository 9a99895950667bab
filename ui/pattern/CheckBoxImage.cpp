#include "ui/pattern/CheckBoxImage.h"

#include <QPainter>
#include <QPainterPath>

namespace quillex::ui {

QPixmap CheckBoxImage(bool ticked) {
    QPixmap image(CheckBoxImageSize, CheckBoxImageSize);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.drawRect(0, 0, CheckBoxImageSize - 1, CheckBoxImageSize - 1);
    if (ticked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3.5, 8.0);
        tick.lineTo(6.5, 11.5);
        tick.lineTo(12.5, 4.0);
        painter.drawPath(tick);
    }
    return image;
}

}  // namespace quillex::ui
