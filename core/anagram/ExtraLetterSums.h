#pragma once

#include <cstdint>
#include <vector>

namespace quillex {

/// The LetterSums of every choice of a few letters A-Z, repeats allowed: a word of the right
/// length is made of a draw's letters and that many more exactly when its sum exceeds the
/// draw's by one of these. A filter: a few other differences pass too, for the exact count to
/// turn away.
class ExtraLetterSums {
  public:
    /// The most letters a set is built for: two jokers and the board letter.
    static constexpr int MaxLetters = 3;

    /// The sums of `letterCount` letters, 0 to MaxLetters.
    explicit ExtraLetterSums(int letterCount);

    /// The table as plain values, for a scan to keep in registers: its own stores cannot be
    /// taken for writes to the table.
    struct Probe {
        const uint64_t* bits;
        int shift;

        /// Whether a difference of sums may be that many letters (at least one).
        bool mayBe(uint64_t extra) const {
            const uint64_t bit = BitOf(extra, shift);
            return (bits[bit / 64] >> (bit % 64)) & 1u;
        }
    };
    /// The probe of a table of one letter or more.
    Probe probe() const { return {bits_.data(), shift_}; }

    /// Whether a difference of sums may be that many letters.
    bool mayBe(uint64_t extra) const {
        return letterCount_ == 0 ? extra == 0 : probe().mayBe(extra);
    }

  private:
    // One bit per hashed sum, in a table sixteen times larger than the set: a few kilobytes
    // that stay in the nearest cache, letting about one other difference in twenty through.
    static uint64_t BitOf(uint64_t sum, int shift) { return (sum * 0x9E3779B97F4A7C15u) >> shift; }

    int letterCount_;
    int shift_ = 63;
    std::vector<uint64_t> bits_;
};

}  // namespace quillex
