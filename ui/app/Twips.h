#pragma once

#include <QRect>

namespace quillex::ui {

/// Window geometry is designed in twips; 15 twips make one device-independent pixel.
constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}

/// A rectangle given as left, top, width, height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace quillex::ui
