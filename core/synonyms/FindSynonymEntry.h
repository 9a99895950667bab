#pragma once

#include <optional>
#include <string_view>

#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {

/// A dictionary line a look-up reached, and the lemma it went through: empty when the typed word
/// reached the headword itself, else the headword an inflected form led to ("voitures" leads to
/// "voiture"). Both view the lists' bytes.
struct SynonymEntry {
    std::string_view line;
    std::string_view lemma;

    friend bool operator==(const SynonymEntry&, const SynonymEntry&) = default;
};

/// The dictionary line of `typed` as its letter group holds it (FindHeadword), found without a
/// listing: the typed text's group holds every line the browse would list for it, in the same
/// order. Nullopt under two characters.
std::optional<std::string_view> FindHeadwordLine(std::u16string_view typed,
                                                 const SynonymLetterTables& letterTables);

/// The entry the synonym tab's look-up reaches once `typed` is entered: its headword line, else
/// the line of the first of its lemmas (the tables' form→lemma list) that has one. Nullopt where
/// the tab reports no entry.
std::optional<SynonymEntry> FindSynonymEntry(std::u16string_view typed,
                                             const SynonymLetterTables& letterTables);

/// The lemma entry of `typed` alone, for a look-up whose listing held no headword for it.
std::optional<SynonymEntry> FindLemmaEntry(std::u16string_view typed,
                                           const SynonymLetterTables& letterTables);

}  // namespace quillex
