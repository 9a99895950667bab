#include "core/pattern/ClueSynonyms.h"

#include <algorithm>

#include "core/synonyms/FindSynonymEntry.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// The synonyms the synonym tab lists once `typed` is entered and looked up (through its lemma when
// it is an inflected form), as stored; nullopt where it reports no entry.
std::optional<std::vector<std::string_view>> SynonymsOf(std::u16string_view typed,
                                                        const SynonymLetterTables& tables) {
    const auto entry = FindSynonymEntry(typed, tables);
    if (!entry) return std::nullopt;
    std::vector<std::string_view> synonyms;
    std::string_view rest = entry->line.substr(entry->line.find('@') + 1);
    while (!rest.empty()) {
        const size_t cut = std::min(rest.find('\\'), rest.size());
        if (cut > 0) synonyms.push_back(rest.substr(0, cut));
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
    return synonyms;
}

}  // namespace

std::optional<ClueSynonyms> ClueSynonyms::LookUp(std::u16string_view clue,
                                                 const SynonymLetterTables& tables) {
    clue = Trimmed(clue);
    auto synonyms = SynonymsOf(clue, tables);
    if (!synonyms) return std::nullopt;
    ClueSynonyms found;
    const std::string foldedClue = GridSpelling(clue);
    std::vector<std::string> folded;
    for (const std::string_view synonym : *synonyms) {
        folded.push_back(GridSpelling(synonym));
        if (folded.back() == foldedClue) folded.pop_back();
    }
    found.folded_ = FoldedWordSet(std::move(folded));
    return found;
}

ClueOutcome ClueSynonyms::narrow(std::span<const std::string_view> words) const {
    ClueOutcome outcome;
    for (const std::string_view word : words)
        if (folded_.contains(word)) outcome.synonyms.push_back(word);
    return outcome;
}

}  // namespace quillex
