#pragma once

#include <cstdint>

#include "core/anagram/CapitalIndex.h"
#include "core/anagram/DrawLetters.h"

namespace quillex {

/// A draw's letter counts packed four bits a letter, giving DrawLetters::uncoveredCount for words
/// of at most eight letters without a loop over memory: the word's 26 letter counts sit side by
/// side in two 64-bit integers, each field started at 7 minus the draw's count, so a count beyond
/// the draw's shows as a field's high bit, and all fields are read at once.
class PackedDrawLetters {
  public:
    /// The longest word counted: a count of 8 on top of 7 still fits four bits.
    static constexpr size_t MaxLength = 8;

    explicit PackedDrawLetters(const DrawLetters& letters);

    /// False for a draw holding a letter more than seven times, which the fields cannot start.
    bool usable() const { return usable_; }

    /// The letters of a word, of at most MaxLength letters, that the drawn letters leave to
    /// jokers; DrawLetters::NoFit when it holds a character other than A-Z.
    template <typename Word>
    int uncoveredCount(Word word) const {
        uint64_t low = start_[0];
        uint64_t high = start_[1];
        const auto* chars = word.data();
        for (size_t k = 0, length = word.size(); k < length; ++k) {
            const unsigned letter = CapitalIndex(chars[k]);
            low += lowAdds_[letter];
            high += highAdds_[letter];
        }
        if (high >> OtherShift) return DrawLetters::NoFit;
        return Overflow(low) + Overflow(high);
    }

  private:
    static constexpr int LettersPerHalf = 13;
    // The field counting characters other than A-Z, above the letters of the high half.
    static constexpr int OtherShift = 4 * LettersPerHalf;
    static constexpr uint64_t Ones = 0x1111111111111u;    // the low bit of each letter field
    static constexpr uint64_t Sevens = 0x7777777777777u;  // the three low bits of each field

    // The sum over fields of (field - 7) where a field is 8 or more.
    static int Overflow(uint64_t fields) {
        const uint64_t high = (fields >> 3) & Ones;
        const uint64_t over = ((fields & Sevens) + high) & (high * 0xF);
        // Each field now holds its excess; the multiply gathers their sum in field 12. No partial
        // sum passes 8, the word's length, so no field carries into the next.
        return static_cast<int>(((over * Ones) >> 48) & 0xF);
    }

    // Plain arrays: the scan of a test build stays fast too.
    uint64_t start_[2] = {};
    uint64_t lowAdds_[NotACapital + 1] = {};
    uint64_t highAdds_[NotACapital + 1] = {};
    bool usable_ = true;
};

}  // namespace quillex
