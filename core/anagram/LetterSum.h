#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillex {
namespace detail {

// One pseudo-random weight per five-bit index, the index kept in its low five bits.
constexpr std::array<uint64_t, 32> MakeLetterWeights() {
    std::array<uint64_t, 32> weights{};
    uint64_t state = 0x9E3779B97F4A7C15u;
    for (unsigned index = 0; index < weights.size(); ++index) {
        // splitmix64: well spread bits from a counter.
        state += 0x9E3779B97F4A7C15u;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        weights[index] = (z & ~uint64_t{31}) | index;
    }
    return weights;
}

}  // namespace detail

/// A cheap fingerprint of a word's letters: the sum of one 64-bit weight per character. Two
/// words with the same letters have the same sum; different letters almost never do, so a
/// search compares sums first and counts letters only when the sums agree.
class LetterSum {
  public:
    /// The weight of a character, looked up by its low five bits (A-Z are 1..26). The low five
    /// bits of each weight are that index, so the weight of a lone letter is recognised by them.
    static constexpr uint64_t weight(char16_t c) { return kWeights[c & 31u]; }

    /// The sum of the weights of every character of a text.
    static constexpr uint64_t of(std::u16string_view text) {
        uint64_t sum = 0;
        for (char16_t c : text) sum += weight(c);
        return sum;
    }

    /// Whether a difference of sums is the weight of a single character, found by its low bits.
    static constexpr bool isOneCharacter(uint64_t difference) {
        return kWeights[difference & 31u] == difference;
    }

  private:
    static constexpr std::array<uint64_t, 32> kWeights = detail::MakeLetterWeights();
};

}  // namespace quillex
