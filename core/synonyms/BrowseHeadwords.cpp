#include "core/synonyms/BrowseHeadwords.h"

#include "core/text/Fold.h"

namespace quillex {

std::vector<std::string_view> BrowseHeadwords(std::u16string_view text,
                                              const SynonymLetterTables& letterTables,
                                              ListedEntries& listedEntries) {
    listedEntries.clear();
    std::vector<std::string_view> headwords;
    if (text.size() < 2) return headwords;
    const std::u16string folded = LookupSpelling(text);
    const char16_t letter = FirstLetterGroupOf(folded);
    if (letter == 0) return headwords;
    const SynonymLetterTables::Table& table = letterTables.table(letter);
    for (int j = 1; j <= table.size(); ++j) {
        const std::string_view line = table.entry(j);
        if (!LookupSpellingStartsWith(line, folded)) continue;
        const size_t at = line.find('@');
        if (at == std::string_view::npos) continue;  // not a dictionary entry
        headwords.push_back(line.substr(0, at));
        listedEntries.append(line);
    }
    return headwords;
}

}  // namespace quillex
