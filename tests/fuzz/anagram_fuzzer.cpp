// Any draw text: a refusal or words of the draw's length.
#include <cstddef>
#include <cstdint>

#include "FuzzLists.h"
#include "anagram/AnagramSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string draw = quillex::fuzz::AsText(data, size);
    const auto outcome = quillex::AnagramSearch(draw, quillex::fuzz::Lists().scrabbleWordList);
    for (const auto word : outcome.words)
        if (word.size() != draw.size()) __builtin_trap();
    return 0;
}
