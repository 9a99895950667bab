#pragma once

#include <string_view>

namespace quillex {

/// One anagram search: the draw, and the extra words a player may ask for. The defaults give
/// the plain search, the words of the draw's own length.
struct AnagramQuery {
    /// The draw as typed, any case; '?' is a joker.
    std::u16string_view draw;
    /// Also the words of 2 to n-1 letters made from part of the draw, n its length.
    bool shorterWords = false;
    /// Also the words of n+1 letters: the whole draw and one more letter, from the board.
    bool boardLetter = false;
    /// Two jokers allowed instead of one, as a French set has two blanks.
    bool twoJokers = false;
};

}  // namespace quillex
