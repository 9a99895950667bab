// Any typed text: the headword listing, then the look-up over it, as the synonym tab runs them.
#include <cstddef>
#include <cstdint>

#include "core/synonyms/SynonymEngine.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string typed = quillex::fuzz::AsText(data, size);
    quillex::SynonymEngine engine(quillex::BuiltInDictionaries().synonymLetterTables);
    engine.browse(typed);
    engine.lookUp(typed);
    return 0;
}
