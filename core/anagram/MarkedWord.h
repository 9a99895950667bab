#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillex {

/// A found word as French Scrabble notation writes it: the letters at the marked places (an
/// AnagramOutcome's freeLetterPlaces) in lower case, the others as they are.
template <typename Char>
std::basic_string<Char> MarkedWord(std::basic_string_view<Char> word, uint16_t places) {
    std::basic_string<Char> marked(word);
    for (size_t k = 0; k < marked.size() && k < 16; ++k)
        if ((places >> k & 1u) && marked[k] >= Char('A') && marked[k] <= Char('Z'))
            marked[k] = static_cast<Char>(marked[k] - Char('A') + Char('a'));
    return marked;
}

}  // namespace quillex
