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

/// What a search with a clue shows: the words that are synonyms of the clue, in the order the
/// words were given (views of the main list's bytes).
struct ClueOutcome {
    std::vector<std::string_view> synonyms;

    /// Every word shown.
    size_t count() const { return synonyms.size(); }
};

/// A clue looked up in the synonym list, ready to narrow a pattern's words to its synonyms.
class ClueSynonyms {
  public:
    /// Looks the clue (spaces around it ignored) up as the synonym tab does (FindSynonymEntry):
    /// the headword as typed, else lower-cased, else in look-up spelling, else through the
    /// lemma of an inflected form. Nullopt when no entry has it.
    static std::optional<ClueSynonyms> LookUp(std::u16string_view clue,
                                              const SynonymLetterTables& tables);

    /// Keeps, in their order, the words that are synonyms of the clue once folded as the main
    /// list spells its words. Synonyms of the synonyms are never added: even those several of
    /// the clue's synonyms agree on are mostly another sense's words.
    ClueOutcome narrow(std::span<const std::string_view> words) const;

    /// The clue's synonyms as the main list would spell them, sorted, each once.
    const std::vector<std::string>& folded() const { return folded_.words(); }

  private:
    ClueSynonyms() = default;

    FoldedWordSet folded_;
};

}  // namespace quillex
