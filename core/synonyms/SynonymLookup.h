#pragma once

#include <string_view>

#include "core/synonyms/ListedEntries.h"
#include "core/synonyms/LookupHistory.h"
#include "core/synonyms/SynonymLookupResult.h"

namespace quillex {

/// Adds the typed text to the history, then looks the word (the typed text lower-cased) up
/// among the headwords of the current listing: a headword spelt exactly as typed first, else
/// the first whose lower-cased form is the word.
SynonymLookupResult SynonymLookup(std::u16string_view word, std::u16string_view typedText,
                                  const ListedEntries& listedEntries, LookupHistory& history);

}  // namespace quillex
