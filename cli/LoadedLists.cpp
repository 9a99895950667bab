#include "cli/LoadedLists.h"

#include <array>
#include <optional>
#include <string>

#include "core/synonyms/FormLemmas.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex::cli {
namespace {

SynonymLetterTables& GroupTables() {
    static SynonymLetterTables tables;
    return tables;
}

// Splits and checks the letter group `text` starts in, once; the other groups stay empty.
void FillGroupOf(std::u16string_view text) {
    static std::array<std::optional<WordList>, 26> groups;  // the tables view their lines
    const char16_t letter = FirstLetterGroupOf(LookupSpelling(text));
    if (letter == 0) return;
    std::optional<WordList>& lines = groups[letter - u'a'];
    if (lines) return;
    lines = LoadSynonymGroup(static_cast<char>(letter));
    GroupTables().fillGroup(letter, *lines);
}

}  // namespace

const SynonymLetterTables& SynonymTablesFor(std::u16string_view text) {
    // A browse of fewer than two characters reads no table.
    if (text.size() >= 2) FillGroupOf(text);
    return GroupTables();
}

const SynonymLetterTables& SynonymTablesForLookUp(std::u16string_view typed) {
    SynonymLetterTables& tables = GroupTables();
    if (typed.size() < 2) return tables;
    FillGroupOf(typed);
    tables.setLemmas(LemmaText());
    for (const std::string& lemma : LemmasOf(typed, LemmaText()))
        FillGroupOf(DecodeWindows1252(lemma));
    return tables;
}

}  // namespace quillex::cli
