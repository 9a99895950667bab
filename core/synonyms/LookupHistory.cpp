#include "core/synonyms/LookupHistory.h"

#include <algorithm>

#include "core/text/Text.h"

namespace quillex {
namespace {

// A character's Windows-1252 code; characters that code page lacks come after all of them.
unsigned Windows1252Rank(char16_t c) {
    const int byte = Windows1252Byte(c);
    return byte >= 0 ? static_cast<unsigned>(byte) : 0x100u + c;
}

bool Before(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return Windows1252Rank(x) < Windows1252Rank(y); });
}

}  // namespace

bool LookupHistory::add(std::u16string_view text) {
    if (text.empty()) return false;
    // The texts stay sorted, so inserting at the first greater text keeps the order without
    // sorting again.
    const auto at = std::lower_bound(
        texts_.begin(), texts_.end(), text,
        [](const std::u16string& held, std::u16string_view added) { return Before(held, added); });
    if (at != texts_.end() && *at == text) return false;
    texts_.emplace(at, text);
    return true;
}

}  // namespace quillex
