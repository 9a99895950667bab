#include "synonyms/ListedEntries.h"

namespace quillex {

std::u16string_view ListedEntries::headword(int k) const {
    const std::u16string_view entry = line(k);
    return entry.substr(0, entry.find(u'@'));
}

}  // namespace quillex
