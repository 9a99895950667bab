#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/pattern/LetterPair.h"

namespace quillex {

/// The known letters of a pattern as letter pairs, the pair least likely to fit first, so that
/// a scan rules most words out with one comparison. Always holds at least one pair: a pattern
/// of jokers only gives a pair that every word fits.
class PatternProbe {
  public:
    /// Longest word a probe covers.
    static constexpr int MaxLength = 16;

    /// Builds the pairs for words of `length` (2..MaxLength) letters from an upper-case
    /// pattern in Windows-1252 bytes, "?" for a joker; positions past the pattern's end are
    /// jokers.
    PatternProbe(int length, std::string_view pattern);

    /// The pairs, most selective first.
    std::span<const LetterPair> pairs() const { return std::span(pairs_).first(count_); }

  private:
    std::array<LetterPair, MaxLength / 2> pairs_{};
    size_t count_ = 0;
};

}  // namespace quillex
