#pragma once

#include <string>
#include <string_view>

namespace quillex::cli {

/// Text typed by the user, as UTF-8 fit to print inside a message: control characters and the
/// bidirectional controls, which a terminal would obey, are shown escaped (ESC as "\x1B",
/// U+009B as "\u009B"); everything else is kept.
std::string EchoSafe(std::u16string_view text);

}  // namespace quillex::cli
