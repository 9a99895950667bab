#pragma once

#include <cstdint>
#include <cstring>

namespace quillex {

/// Two neighbouring positions of a word tested by one 16-bit comparison; a joker's half of the
/// mask is zero.
struct LetterPair {
    int offset;  // first of the two positions, 0-based
    uint16_t mask;
    uint16_t value;

    /// Whether the two bytes at `word + offset` fit the pair.
    bool fits(const char* word) const {
        uint16_t both;
        std::memcpy(&both, word + offset, sizeof both);
        return (both & mask) == value;
    }
};

}  // namespace quillex
