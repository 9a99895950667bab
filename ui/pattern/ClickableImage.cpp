#include "pattern/ClickableImage.h"

#include <QMouseEvent>

namespace quillex::ui {

void ClickableImage::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace quillex::ui
