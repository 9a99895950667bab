#pragma once

#include <cstdint>
#include <cstring>

namespace quillex {

/// Two neighbouring positions of a word tested by one 32-bit comparison; a joker's half of the
/// mask is zero.
struct LetterPair {
    int offset;  // first of the two positions, 0-based
    uint32_t mask;
    uint32_t value;

    /// Whether the two characters at `word + offset` fit the pair.
    bool fits(const char16_t* word) const {
        uint32_t both;
        std::memcpy(&both, word + offset, sizeof both);
        return (both & mask) == value;
    }
};

}  // namespace quillex
