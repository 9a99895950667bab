#include "synonyms/LookupHistory.h"

#include <algorithm>

namespace quillex {

bool LookupHistory::add(std::u16string_view text) {
    if (text.empty()) return false;
    // The texts stay sorted, so inserting at the first greater text keeps SortLookupHistory's
    // order without sorting again.
    const auto at = std::lower_bound(texts_.begin(), texts_.end(), text);
    if (at != texts_.end() && *at == text) return false;
    texts_.emplace(at, text);
    return true;
}

void SortLookupHistory(std::vector<std::u16string>& texts) {
    // char16_t is unsigned, so the string order is the code-unit order asked for.
    std::sort(texts.begin(), texts.end());
}

}  // namespace quillex
