// Any length and any pattern text: the search refuses or lists words of that length that fit.
#include <cstddef>
#include <cstdint>

#include "core/pattern/PatternSearch.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int length = static_cast<int8_t>(data[0]);
    const std::u16string pattern = quillex::fuzz::AsText(data + 1, size - 1);
    const auto outcome =
        quillex::PatternSearch(length, pattern, quillex::BuiltInDictionaries().mainWordList);
    for (const auto word : outcome.words)
        if (static_cast<int>(word.size()) != length) __builtin_trap();
    return 0;
}
