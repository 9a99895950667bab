#include "LoadedLists.h"

#include "core/synonyms/FirstLetterGroup.h"
#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex::cli {

const SynonymLetterTables& SynonymTablesFor(std::u16string_view text) {
    static WordList groupLines;
    static SynonymLetterTables tables;
    const std::u16string lowered = ToLower(text);
    // A browse of fewer than two characters, or of one no group starts with, reads no table.
    if (lowered.size() < 2) return tables;
    const auto group = FirstLetterGroup::ForFirstCharacter(lowered.front());
    if (!group) return tables;
    groupLines = LoadSynonymGroup(static_cast<char>(group->letter()));
    tables.fillGroup(group->letter(), groupLines);
    return tables;
}

}  // namespace quillex::cli
