#pragma once

#include <string_view>

#include "core/wordlists/Dictionaries.h"

namespace quillex::cli {

/// Letter tables holding only the group a headword browse of `text` reads (the text is
/// lower-cased as the browse does it): that group alone is split and checked, so a browse does
/// not split the whole synonym list.
const SynonymLetterTables& SynonymTablesFor(std::u16string_view text);

}  // namespace quillex::cli
