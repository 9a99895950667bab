#include "core/synonyms/FindSynonymEntry.h"

#include <string>

#include "core/synonyms/FormLemmas.h"
#include "core/synonyms/HeadwordMatch.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex {

std::optional<std::string_view> FindHeadwordLine(std::u16string_view typed,
                                                 const SynonymLetterTables& letterTables) {
    // The browse lists nothing under two characters or for a first character without a group.
    if (typed.size() < 2) return std::nullopt;
    const std::u16string word = ToLower(typed);
    const char16_t letter = FirstLetterGroupOf(LookupSpelling(word.substr(0, 1)));
    if (letter == 0) return std::nullopt;
    const SynonymLetterTables::Table& table = letterTables.table(letter);
    const auto found =
        FindHeadword(word, typed, table.size(), [&table](int k) { return table.entry(k + 1); });
    if (!found) return std::nullopt;
    return table.entry(*found + 1);
}

std::optional<SynonymEntry> FindLemmaEntry(std::u16string_view typed,
                                           const SynonymLetterTables& letterTables) {
    if (typed.size() < 2) return std::nullopt;
    for (const std::string& lemma : LemmasOf(typed, letterTables.lemmas()))
        if (const auto line = FindHeadwordLine(DecodeWindows1252(lemma), letterTables))
            return SynonymEntry{*line, line->substr(0, line->find('@'))};
    return std::nullopt;
}

std::optional<SynonymEntry> FindSynonymEntry(std::u16string_view typed,
                                             const SynonymLetterTables& letterTables) {
    if (const auto line = FindHeadwordLine(typed, letterTables)) return SynonymEntry{*line, {}};
    return FindLemmaEntry(typed, letterTables);
}

}  // namespace quillex
