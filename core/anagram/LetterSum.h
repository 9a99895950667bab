#pragma once

#include <array>
#include <cstdint>

namespace quillex {
namespace detail {

// One pseudo-random weight per byte value, the byte itself kept in the weight's low eight bits.
constexpr std::array<uint64_t, 256> MakeLetterWeights() {
    std::array<uint64_t, 256> weights{};
    uint64_t state = 0x9E3779B97F4A7C15u;
    for (unsigned index = 0; index < weights.size(); ++index) {
        // splitmix64: well spread bits from a counter.
        state += 0x9E3779B97F4A7C15u;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        weights[index] = (z & ~uint64_t{0xFF}) | index;
    }
    return weights;
}

}  // namespace detail

/// A cheap fingerprint of a word's letters: the sum of one 64-bit weight per character. Words
/// with the same letters have the same sum; different letters almost never do, so a search
/// compares sums first and counts letters only when the sums agree.
class LetterSum {
  public:
    /// The weight of a character, looked up by its low byte: one table load, no test. Characters
    /// outside Latin-1 share weights, which only lets more words on to the letter count.
    static constexpr uint64_t weight(char16_t c) { return kWeights[static_cast<uint8_t>(c)]; }

    /// Whether a difference of sums is the weight of one character, named by its low byte.
    static constexpr bool isOneCharacter(uint64_t difference) {
        return kWeights[difference & 0xFF] == difference;
    }

  private:
    static constexpr std::array<uint64_t, 256> kWeights = detail::MakeLetterWeights();
};

}  // namespace quillex
