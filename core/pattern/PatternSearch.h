#pragma once

#include <string_view>
#include <vector>

#include "core/wordlists/WordList.h"

namespace quillex {

/// The pattern symbol that stands for any letter, as an untouched letter box shows it.
inline constexpr char16_t PatternJoker = u'?';

/// Whether a pattern is within the joker limit of its length.
enum class JokerCheck { Allowed, JokerLimitExceeded };

/// What a pattern search gives: a refusal for too many jokers, or the matching words.
struct PatternOutcome {
    bool jokerLimitExceeded = false;
    /// The matching words in list order, as views of the main list's bytes.
    std::vector<std::string_view> words;
};

// A pattern is read as `length` symbols: pattern[i] for position i + 1, `PatternJoker` for any
// letter, any other character for itself, upper-cased. Positions the pattern does not reach are
// jokers; symbols past `length` are not read.

/// Refuses a pattern holding more jokers than `JokerLimits` allows for its length.
JokerCheck CheckJokers(int length, std::u16string_view pattern);

/// The words of `length` letters in the main list that fit the pattern, in list order; nothing
/// for a length outside 3..15. Throws InternalFailure when the list disagrees with its length
/// table. The views point into `mainList`.
std::vector<std::string_view> ScanPattern(int length, std::u16string_view pattern,
                                          const WordList& mainList);

/// The same scan over a list holding only words of `length` letters, one length's slice on its
/// own. Throws InternalFailure when a word has another length at either end of the list.
std::vector<std::string_view> ScanSlice(int length, std::u16string_view pattern,
                                        const WordList& slice);

/// CheckJokers, then ScanPattern when the pattern is allowed.
PatternOutcome PatternSearch(int length, std::u16string_view pattern, const WordList& mainList);

}  // namespace quillex
