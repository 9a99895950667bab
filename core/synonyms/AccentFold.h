#pragma once

#include <string_view>

namespace quillex {

/// One fold of a first-letter group: every `from` becomes `to` (one or two letters).
struct AccentFold {
    char16_t from;
    std::u16string_view to;
};

}  // namespace quillex
