#pragma once

#include <string>
#include <string_view>

#include "core/wordlists/WordList.h"

namespace quillex {

/// The index of the first word of `length` letters in the Scrabble list that does not sort
/// before `text`, or the index just past those words; `length` is 2 to 9.
int FirstWordNotBefore(std::string_view text, int length, const WordList& scrabbleList);

/// Whether a word of capitals A-Z is in the Scrabble list, which holds each length's words
/// sorted: one binary search in the slice of its length.
bool IsScrabbleWord(std::string_view word, const WordList& scrabbleList);

/// The draw-folded text of one word as the judge reads it: accents and ligatures folded to
/// capitals; std::string of A-Z, or empty when a character stays outside A-Z.
std::string JudgedWord(std::u16string_view typed);

}  // namespace quillex
