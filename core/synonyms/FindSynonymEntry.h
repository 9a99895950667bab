#pragma once

#include <optional>
#include <string_view>

#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {

/// The dictionary line the synonym tab's look-up finds once `typed` is entered, without the
/// listing: the typed text's first-letter group holds every line the browse would list for it,
/// in the same order. Nullopt where the tab reports no entry. The line views the list's bytes.
std::optional<std::string_view> FindSynonymEntry(std::u16string_view typed,
                                                 const SynonymLetterTables& letterTables);

}  // namespace quillex
