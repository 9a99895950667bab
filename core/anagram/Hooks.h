#pragma once

#include <string>
#include <string_view>

#include "core/wordlists/WordList.h"

namespace quillex {

/// The letters that make a word of the Scrabble list when put before or after a word.
struct WordHooks {
    /// Letters A-Z, in alphabetical order; either may be empty.
    std::string before;
    std::string after;

    bool operator==(const WordHooks&) const = default;
};

/// The hooks of a word of capitals A-Z, looked up in the Scrabble list.
WordHooks FindHooks(std::string_view word, const WordList& scrabbleList);

/// The hooks as study tools write them beside a word: "[BEFORE/AFTER]", "" when both are empty.
std::string HooksText(const WordHooks& hooks);

}  // namespace quillex
