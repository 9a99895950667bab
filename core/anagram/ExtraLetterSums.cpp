#include "core/anagram/ExtraLetterSums.h"

#include <algorithm>

#include "core/anagram/LetterSum.h"

namespace quillex {
namespace {

constexpr int kLetterCount = 26;

// Each choice of `letters` letters once: letters in non-decreasing order.
template <typename Visit>
void EachChoice(int letters, int from, uint64_t sum, const Visit& visit) {
    if (letters == 0) {
        visit(sum);
        return;
    }
    for (int letter = from; letter < kLetterCount; ++letter)
        EachChoice(letters - 1, letter,
                   sum + LetterSum::weight(static_cast<char16_t>(u'A' + letter)), visit);
}

}  // namespace

ExtraLetterSums::ExtraLetterSums(int letterCount)
    : letterCount_(std::clamp(letterCount, 0, MaxLetters)) {
    if (letterCount_ == 0) return;
    int choices = 0;  // 26, 351 or 3276
    EachChoice(letterCount_, 0, 0, [&choices](uint64_t) { ++choices; });
    int bitCount = 6;  // log2 of the table's bits, at least one 64-bit word
    while ((1 << bitCount) < 16 * choices) ++bitCount;
    bits_.assign(size_t{1} << (bitCount - 6), 0);
    shift_ = 64 - bitCount;
    EachChoice(letterCount_, 0, 0, [this](uint64_t sum) {
        const uint64_t bit = BitOf(sum, shift_);
        bits_[bit / 64] |= uint64_t{1} << (bit % 64);
    });
}

}  // namespace quillex
