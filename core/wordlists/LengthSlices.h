#pragma once

#include "core/wordlists/DataTables.h"

namespace quillex {

using data::LengthSlice;

inline constexpr int MinMainLength = 2;
inline constexpr int MaxMainLength = 15;
inline constexpr int MinScrabbleLength = 2;
inline constexpr int MaxScrabbleLength = 9;

/// The slice of the main list holding the words of a length in 2..15.
constexpr LengthSlice MainLengthSlice(int length) {
    return data::MainLengthSlices[length - MinMainLength];
}

/// The slice of the Scrabble list holding the words of a length in 2..9.
constexpr LengthSlice ScrabbleLengthSlice(int length) {
    return data::ScrabbleLengthSlices[length - MinScrabbleLength];
}

}  // namespace quillex
