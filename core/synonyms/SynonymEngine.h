#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/synonyms/ListedEntries.h"
#include "core/synonyms/LookupHistory.h"
#include "core/synonyms/SynonymLookupResult.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {

/// The synonym dictionary as a user browses it: the letter tables it reads, the headwords the
/// last browse listed and every text looked up so far.
class SynonymEngine {
  public:
    /// The tables must outlive the engine; they may be filled after it is made.
    explicit SynonymEngine(const SynonymLetterTables& tables) : tables_(&tables) {}

    /// Lists the headwords whose look-up spelling begins with the text's (BrowseHeadwords), as
    /// views of the list's bytes, and keeps that listing for the next look-up.
    std::vector<std::string_view> browse(std::u16string_view text);
    /// Forgets the listing, so that a look-up finds nothing of it.
    void clearListing();
    /// The text of the last browse, lower-cased.
    const std::u16string& browsedText() const { return browsedText_; }

    /// Adds the typed text to the history, then looks it up among the headwords of the listing
    /// (FindHeadword): a headword spelt exactly as typed, else lower-cased, else in look-up
    /// spelling. When none is found and the word is an inflected form of a headword, that
    /// headword's synonyms are given with the notice "typed → lemma".
    SynonymLookupResult lookUp(std::u16string_view typedText);

    /// Every text looked up, sorted.
    const LookupHistory& history() const { return history_; }

  private:
    const SynonymLetterTables* tables_;
    ListedEntries listed_;
    LookupHistory history_;
    std::u16string browsedText_;
};

}  // namespace quillex
