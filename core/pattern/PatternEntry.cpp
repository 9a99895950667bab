#include "core/pattern/PatternEntry.h"

#include <algorithm>

#include "core/text/Text.h"

namespace quillex {

std::optional<std::size_t> FirstRefusedCharacter(std::u16string_view text) {
    const auto refused = std::find_if_not(text.begin(), text.end(), IsAllowedBoxCharacter);
    if (refused == text.end()) return std::nullopt;
    return static_cast<std::size_t>(refused - text.begin());
}

std::u16string PatternFromText(std::u16string_view text) {
    return ToUpper(text);
}

}  // namespace quillex
