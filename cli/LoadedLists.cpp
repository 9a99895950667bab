#include "LoadedLists.h"

#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex::cli {

const SynonymLetterTables& SynonymTablesFor(std::u16string_view text) {
    static WordList groupLines;
    static SynonymLetterTables tables;
    const std::u16string folded = LookupSpelling(text);
    // A browse of fewer than two characters, or of one no group starts with, reads no table.
    if (text.size() < 2) return tables;
    const char16_t letter = FirstLetterGroupOf(folded);
    if (letter == 0) return tables;
    groupLines = LoadSynonymGroup(static_cast<char>(letter));
    tables.fillGroup(letter, groupLines);
    return tables;
}

}  // namespace quillex::cli
