#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/CapitalIndex.h"

namespace quillex {
namespace detail {

// A..Z in French Scrabble.
inline constexpr int kLetterValues[NotACapital + 1] = {1, 3, 3, 2, 1, 4, 2, 4, 1,  8,  10, 1,  2, 1,
                                                       1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10, 0};

}  // namespace detail

/// The value of a letter A-Z in French Scrabble; 0 for any other character.
template <typename Char>
constexpr int LetterValue(Char c) {
    return detail::kLetterValues[CapitalIndex(c)];
}

/// The value of a found word's tiles, no bonus square: the sum of its letters' values, where
/// the places the drawn letters do not supply (an AnagramOutcome's freeLetterPlaces) are the
/// jokers' and count 0. When there are more such places than jokers, the rest are the board
/// letter, a real tile: the jokers take the lowest-valued places, as a player would put them.
int WordValue(std::string_view word, uint16_t freeLetterPlaces, int jokers);

/// The value of each word a search of `draw` found, in the outcome's order.
std::vector<int> WordValues(const AnagramOutcome& outcome, std::u16string_view draw);

/// The indexes 0..n-1 of n values, highest value first, equal values in their order.
std::vector<size_t> ByValueOrder(std::span<const int> values);

}  // namespace quillex
