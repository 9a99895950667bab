// Any typed text: the headword listing, then the look-up over it, as the synonym tab runs them.
#include <cstddef>
#include <cstdint>

#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/SynonymLookup.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string typed = quillex::fuzz::AsText(data, size);
    quillex::ListedEntries entries;
    const auto headwords = quillex::BrowseHeadwords(
        quillex::ToLower(typed), quillex::BuiltInDictionaries().synonymLetterTables, entries);
    quillex::LookupHistory history;
    quillex::SynonymLookup(quillex::ToLower(typed), typed, entries, history);
    (void)headwords;
    return 0;
}
