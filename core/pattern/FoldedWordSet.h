#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// A few words of capitals A..Z, asked about many times: a word is first checked against the
/// lengths the set holds, then against its (length, first, second and last letter) keys, so
/// that nearly every word outside the set is turned down without a string comparison.
class FoldedWordSet {
  public:
    FoldedWordSet() = default;
    /// The set of `words`; empty words and repeats are dropped.
    explicit FoldedWordSet(std::vector<std::string> words);

    /// Whether the set holds `word`. The length test is inline: a scan's words come grouped by
    /// length, so whole lengths are passed over without a call or a look at their letters.
    bool contains(std::string_view word) const {
        return ((lengths_ >> LengthOf(word)) & 1u) != 0 && !word.empty() &&
               keys_.test(KeyOf(word)) && holds(word);
    }

    /// The words, sorted.
    const std::vector<std::string>& words() const { return words_; }

  private:
    static constexpr size_t Lengths = 16;  // longer words share the last row
    static size_t LengthOf(std::string_view word) {
        return word.size() < Lengths ? word.size() : Lengths - 1;
    }
    static size_t LetterKey(char c) {
        // 0 for a character outside A..Z, which shares one row so that the key never fails.
        return (c >= 'A' && c <= 'Z') ? static_cast<size_t>(c - 'A') + 1 : 0;
    }
    static size_t KeyOf(std::string_view word) {
        const size_t second = word.size() > 1 ? LetterKey(word[1]) : 0;
        return ((LengthOf(word) * 27 + LetterKey(word.front())) * 27 + second) * 27 +
               LetterKey(word.back());
    }
    bool holds(std::string_view word) const;

    std::vector<std::string> words_;
    uint32_t lengths_ = 0;  // bit n: a word of n letters (Lengths - 1 or more, last bit)
    std::bitset<Lengths * 27 * 27 * 27> keys_;
};

}  // namespace quillex
