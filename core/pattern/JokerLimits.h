#pragma once

#include <array>
#include <optional>

namespace quillex {

/// Shortest word length a pattern search takes.
inline constexpr int MinPatternLength = 3;
/// Longest word length a pattern search takes.
inline constexpr int MaxPatternLength = 15;

/// Most jokers allowed in a pattern, for the lengths 3..15 in order.
inline constexpr std::array<int, MaxPatternLength - MinPatternLength + 1> JokerLimitTable{
    2, 3, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12};

/// The most jokers a pattern of this length may hold; no limit outside 3..15.
constexpr std::optional<int> JokerLimits(int length) {
    if (length < MinPatternLength || length > MaxPatternLength) return std::nullopt;
    return JokerLimitTable[length - MinPatternLength];
}

}  // namespace quillex
