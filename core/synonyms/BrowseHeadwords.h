#pragma once

#include <string_view>
#include <vector>

#include "core/synonyms/ListedEntries.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {

/// The headwords (as stored, capitals and accents kept, as views of the list's bytes) of the lines
/// of the text's first-letter group whose look-up spelling begins with the text's, in stored order;
/// the comparison runs on into "@" and the synonyms when the text is longer than a headword. A text
/// of fewer than two characters, or whose first character starts no group, lists nothing.
/// `listedEntries` is replaced by the listing's full lines, position by position. The text is
/// put in look-up spelling first.
std::vector<std::string_view> BrowseHeadwords(std::u16string_view text,
                                              const SynonymLetterTables& letterTables,
                                              ListedEntries& listedEntries);

}  // namespace quillex
