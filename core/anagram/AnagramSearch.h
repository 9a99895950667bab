#pragma once

#include <string_view>

#include "anagram/AnagramOutcome.h"
#include "wordlists/WordList.h"

namespace quillex {

/// Lists the words of the Scrabble list that are exact anagrams of a draw of 2 to 9
/// characters, one '?' standing for any letter A-Z; refuses other draws. Keeps no state.
AnagramOutcome AnagramSearch(std::u16string_view draw, const WordList& scrabbleList);

}  // namespace quillex
