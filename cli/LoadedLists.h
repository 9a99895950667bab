#pragma once

#include <string_view>

#include "core/wordlists/Dictionaries.h"

namespace quillex::cli {

/// Letter tables holding only the group a headword browse of `text` reads (the text is
/// lower-cased as the browse does it): that group alone is split and checked, so a browse does
/// not split the whole synonym list.
const SynonymLetterTables& SynonymTablesFor(std::u16string_view text);

/// Letter tables holding the groups a look-up of `typed` reads: the group of its first letter
/// and those of the lemmas the form→lemma list gives it, each split and checked on its own.
const SynonymLetterTables& SynonymTablesForLookUp(std::u16string_view typed);

}  // namespace quillex::cli
