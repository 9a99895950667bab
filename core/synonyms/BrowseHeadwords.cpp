#include "core/synonyms/BrowseHeadwords.h"

#include "core/synonyms/FirstLetterGroup.h"
#include "core/text/Text.h"

namespace quillex {

std::vector<std::string_view> BrowseHeadwords(std::u16string_view text,
                                              const SynonymLetterTables& letterTables,
                                              ListedEntries& listedEntries) {
    listedEntries.clear();
    std::vector<std::string_view> headwords;
    if (text.size() < 2) return headwords;
    const std::u16string lowered = ToLower(text);
    const auto group = FirstLetterGroup::ForFirstCharacter(lowered.front());
    if (!group) return headwords;
    const std::u16string folded = group->fold(lowered);
    const SynonymLetterTables::Table& table = letterTables.table(group->letter());
    for (int j = 1; j <= table.size(); ++j) {
        const std::string_view line = table.entry(j);
        if (!group->foldedStartsWith(line, folded)) continue;
        const size_t at = line.find('@');
        if (at == std::string_view::npos) continue;  // not a dictionary entry
        headwords.push_back(line.substr(0, at));
        listedEntries.append(line);
    }
    return headwords;
}

}  // namespace quillex
