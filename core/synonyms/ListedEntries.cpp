#include "core/synonyms/ListedEntries.h"

namespace quillex {

std::string_view ListedEntries::headword(int k) const {
    const std::string_view entry = line(k);
    return entry.substr(0, entry.find('@'));
}

}  // namespace quillex
