// Any draw text, and with an odd byte at the end the extras that byte asks for: a refusal, or
// words of the lengths asked for, each with its free letters marked inside it.
#include <cstddef>
#include <cstdint>

#include "core/anagram/AnagramSearch.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string draw = quillex::fuzz::AsText(data, size);
    const uint8_t extras = size % 2 == 1 ? data[size - 1] : 0;
    const quillex::AnagramQuery query{.draw = draw,
                                      .shorterWords = (extras & 1) != 0,
                                      .boardLetter = (extras & 2) != 0,
                                      .twoJokers = (extras & 4) != 0};
    const auto outcome =
        quillex::AnagramSearch(query, quillex::BuiltInDictionaries().scrabbleWordList);
    if (outcome.freeLetterPlaces.size() != outcome.words.size()) __builtin_trap();
    const size_t n = draw.size();
    for (size_t i = 0; i < outcome.words.size(); ++i) {
        const size_t length = outcome.words[i].size();
        const bool asked = length == n || (query.shorterWords && length >= 2 && length < n) ||
                           (query.boardLetter && length == n + 1);
        if (!asked || outcome.freeLetterPlaces[i] >> length != 0) __builtin_trap();
    }
    return 0;
}
