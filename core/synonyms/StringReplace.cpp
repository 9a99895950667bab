#include "core/synonyms/StringReplace.h"

namespace quillex {

std::u16string StringReplace(std::u16string_view source, std::u16string_view find,
                             std::u16string_view replacement) {
    const bool onlySpaces = source.find_first_not_of(u' ') == std::u16string_view::npos;
    if (find.empty() || onlySpaces) return std::u16string(source);
    std::u16string result;
    result.reserve(source.size());
    std::u16string_view rest = source;
    for (size_t at = rest.find(find); at != std::u16string_view::npos; at = rest.find(find)) {
        result.append(rest.substr(0, at)).append(replacement);
        rest.remove_prefix(at + find.size());
    }
    result.append(rest);
    return result;
}

}  // namespace quillex
