#pragma once

namespace quillex::ui {

/// Maps the faces the windows name to the metric-compatible or close faces Debian ships:
/// Calibri to Carlito, Courier New to Liberation Mono, Lucida Calligraphy to URW's Z003.
void SubstituteFonts();

}  // namespace quillex::ui
