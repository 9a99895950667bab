#include "core/pattern/ClueSynonyms.h"

#include <algorithm>

#include "core/pattern/MainListFold.h"
#include "core/synonyms/FindSynonymEntry.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// The synonyms the synonym tab lists once `typed` is entered and looked up, as stored; nullopt
// where it reports no entry.
std::optional<std::vector<std::string_view>> SynonymsOf(std::u16string_view typed,
                                                        const SynonymLetterTables& tables) {
    const auto line = FindSynonymEntry(typed, tables);
    if (!line) return std::nullopt;
    std::vector<std::string_view> synonyms;
    std::string_view rest = line->substr(line->find('@') + 1);
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
    found.tables_ = &tables;
    found.clue_ = MainListFold(clue);
    found.synonyms_ = std::move(*synonyms);
    std::vector<std::string> folded;
    for (const std::string_view synonym : found.synonyms_) {
        folded.push_back(MainListFold(synonym));
        if (folded.back() == found.clue_) folded.pop_back();
    }
    found.folded_ = FoldedWordSet(std::move(folded));
    return found;
}

ClueOutcome ClueSynonyms::narrow(std::span<const std::string_view> words) const {
    ClueOutcome outcome;
    for (const std::string_view word : words)
        if (folded_.contains(word)) outcome.synonyms.push_back(word);
    if (outcome.synonyms.size() >= BroadSenseThreshold) return outcome;

    std::vector<std::string> further;
    for (const std::string_view synonym : synonyms_) {
        const auto ofSynonym = SynonymsOf(DecodeWindows1252(synonym), *tables_);
        if (!ofSynonym) continue;
        for (const std::string_view word : *ofSynonym) {
            std::string folded = MainListFold(word);
            if (folded != clue_ && !folded_.contains(folded)) further.push_back(std::move(folded));
        }
    }
    const FoldedWordSet broad(std::move(further));
    for (const std::string_view word : words)
        if (broad.contains(word)) outcome.broadSense.push_back(word);
    return outcome;
}

}  // namespace quillex
