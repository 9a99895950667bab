#pragma once

#include "core/wordlists/DataTables.h"

namespace quillex {

using data::LengthRange;

inline constexpr int MinMainLength = 2;
inline constexpr int MaxMainLength = 15;
inline constexpr int MinScrabbleLength = 2;
inline constexpr int MaxScrabbleLength = 9;

/// The slice of the main list holding the words of a length in 2..15.
constexpr LengthRange MainLengthRange(int length) {
    return data::MainLengthRanges[length - MinMainLength];
}

/// The slice of the Scrabble list holding the words of a length in 2..9.
constexpr LengthRange ScrabbleLengthRange(int length) {
    return data::ScrabbleLengthRanges[length - MinScrabbleLength];
}

}  // namespace quillex
