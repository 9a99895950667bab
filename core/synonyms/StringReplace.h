#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// Replaces every occurrence of `find` in `source` by `replacement`, left to right, without
/// overlaps, characters compared exactly. An empty `find`, or a `source` that is empty or holds
/// only spaces, gives `source` unchanged.
std::u16string StringReplace(std::u16string_view source, std::u16string_view find,
                             std::u16string_view replacement);

}  // namespace quillex
