#pragma once

#include <QPixmap>

namespace quillex::ui {

/// Side of the check-box pictures, in pixels.
inline constexpr int CheckBoxImageSize = 16;

/// The empty square of a check box drawn by the program, or the same square with a tick.
QPixmap CheckBoxImage(bool ticked);

}  // namespace quillex::ui
