#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string_view>

class QWidget;

namespace quillex::ui {

/// Colours the windows share.
inline const QColor DarkRed(128, 0, 0);
inline const QColor Grey(128, 128, 128);
inline const QColor LightGrey(224, 224, 224);

/// A font by family name, size in points and weight.
QFont NamedFont(const QString& family, qreal points, bool bold = false);

/// The font of the tabs' captions, buttons and counts.
inline QFont CalibriFont(qreal points, bool bold = false) {
    return NamedFont(QStringLiteral("Calibri"), points, bold);
}

/// Sets one colour role of a widget's palette.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

/// A text of the core library as a QString.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

/// A word or line of the lists (Windows-1252 bytes), decoded for showing.
QString ToQString(std::string_view bytes);

}  // namespace quillex::ui
