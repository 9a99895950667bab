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

    /// The sums of `letters` letters, 0 to MaxLetters.
    explicit ExtraLetterSums(int letters);

    /// Whether a difference of sums may be that many letters.
    bool mayBe(uint64_t extra) const {
        if (letters_ == 0) return extra == 0;
        const uint64_t bit = Bit(extra);
        return (bits_[bit / 64] >> (bit % 64)) & 1u;
    }

  private:
    // One bit per hashed sum, in a table sixteen times larger than the set: a few kilobytes
    // that stay in the nearest cache, letting about one other difference in twenty through.
    uint64_t Bit(uint64_t sum) const { return (sum * 0x9E3779B97F4A7C15u) >> shift_; }

    int letters_;
    int shift_ = 63;
    std::vector<uint64_t> bits_;
};

}  // namespace quillex
