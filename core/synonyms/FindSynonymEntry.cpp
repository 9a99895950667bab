#include "core/synonyms/FindSynonymEntry.h"

#include <string>

#include "core/synonyms/FirstLetterGroup.h"
#include "core/synonyms/HeadwordMatch.h"
#include "core/text/Text.h"

namespace quillex {

std::optional<std::string_view> FindSynonymEntry(std::u16string_view typed,
                                                 const SynonymLetterTables& letterTables) {
    // The browse lists nothing under two characters or for a first character without a group.
    if (typed.size() < 2) return std::nullopt;
    const std::u16string word = ToLower(typed);
    const auto group = FirstLetterGroup::ForFirstCharacter(word.front());
    if (!group) return std::nullopt;
    const SynonymLetterTables::Table& table = letterTables.table(group->letter());
    const auto k =
        FindHeadword(word, typed, table.size(), [&table](int k) { return table.entry(k + 1); });
    if (!k) return std::nullopt;
    return table.entry(*k + 1);
}

}  // namespace quillex
