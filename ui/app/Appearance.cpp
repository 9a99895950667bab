#include "ui/app/Appearance.h"

#include <QWidget>

#include "core/text/Text.h"

namespace quillex::ui {

QFont NamedFont(const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString ToQString(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) *out++ = QChar(Windows1252Char(byte));
    return text;
}

}  // namespace quillex::ui
