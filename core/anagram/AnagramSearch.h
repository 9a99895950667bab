#pragma once

#include <string_view>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/AnagramQuery.h"
#include "core/wordlists/WordList.h"

namespace quillex {

/// Lists the words of the Scrabble list that are exact anagrams of a draw of 2 to 9
/// characters, one '?' standing for any letter A-Z; refuses other draws. Keeps no state.
AnagramOutcome AnagramSearch(std::u16string_view draw, const WordList& scrabbleList);

/// The same search with a query's extras: the words one letter longer (the board letter) come
/// first, then the draw's length, then the shorter words, longest first, each length in list
/// order. Every word is listed once, however many ways the draw makes it.
AnagramOutcome AnagramSearch(const AnagramQuery& query, const WordList& scrabbleList);

}  // namespace quillex
