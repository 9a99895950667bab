#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// A few words of capitals A..Z, asked about many times: a word is first checked against a
/// table of the (length, first letter, last letter) the set holds, so that nearly every word
/// outside the set is turned down with one look-up.
class FoldedWordSet {
  public:
    FoldedWordSet() = default;
    /// The set of `words`; empty words and repeats are dropped.
    explicit FoldedWordSet(std::vector<std::u16string> words);

    /// Whether the set holds `word`.
    bool contains(std::u16string_view word) const;

    /// The words, sorted.
    const std::vector<std::u16string>& words() const { return words_; }

  private:
    static constexpr size_t Lengths = 16;  // longer words share the last row
    static size_t KeyOf(std::u16string_view word);

    std::vector<std::u16string> words_;
    std::bitset<Lengths * 27 * 27> keys_;
};

}  // namespace quillex
