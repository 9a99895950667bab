#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/pattern/FoldedWordSet.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {

/// The line shown between a clue's synonyms and the synonyms of its synonyms.
inline constexpr std::u16string_view BroadSenseHeader = u"— au sens large —";
/// The synonyms of the synonyms are added when fewer of the clue's own synonyms fit.
inline constexpr size_t BroadSenseThreshold = 5;

/// What a search with a clue shows: the fitting synonyms, then the fitting synonyms of the
/// synonyms, each group in the order the words were given (views of the main list's bytes).
struct ClueOutcome {
    std::vector<std::string_view> synonyms;
    std::vector<std::string_view> broadSense;

    /// Every word shown, both groups together.
    size_t count() const { return synonyms.size() + broadSense.size(); }
};

/// A clue looked up in the synonym list, ready to narrow a pattern's words to its synonyms.
class ClueSynonyms {
  public:
    /// Looks the clue (spaces around it ignored) up as the synonym tab does: its first-letter
    /// folds, then the headword as typed, else lower-cased. Nullopt when no entry has it.
    static std::optional<ClueSynonyms> LookUp(std::u16string_view clue,
                                              const SynonymLetterTables& tables);

    /// Keeps, in their order, the words that are synonyms of the clue once folded as the main
    /// list spells its words. When fewer than BroadSenseThreshold are kept, the synonyms of
    /// those synonyms follow as a second group (never the clue itself, never a word twice).
    ClueOutcome narrow(std::span<const std::string_view> words) const;

    /// The clue's synonyms as the main list would spell them, sorted, each once.
    const std::vector<std::string>& folded() const { return folded_.words(); }

  private:
    ClueSynonyms() = default;

    const SynonymLetterTables* tables_ = nullptr;
    std::string clue_;                        // as the main list would spell it
    std::vector<std::string_view> synonyms_;  // as stored, for the second group's look-ups
    FoldedWordSet folded_;
};

}  // namespace quillex
