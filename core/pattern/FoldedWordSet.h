#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// A few words of capitals A..Z, asked about many times: a word is first checked against the
/// lengths the set holds, then against its (length, first letter, last letter) triples, so that
/// nearly every word outside the set is turned down without a string comparison.
class FoldedWordSet {
  public:
    FoldedWordSet() = default;
    /// The set of `words`; empty words and repeats are dropped.
    explicit FoldedWordSet(std::vector<std::string> words);

    /// Whether the set holds `word`.
    bool contains(std::string_view word) const;

    /// The words, sorted.
    const std::vector<std::string>& words() const { return words_; }

  private:
    static constexpr size_t Lengths = 16;  // longer words share the last row
    static size_t LengthOf(std::string_view word);
    static size_t KeyOf(std::string_view word);

    std::vector<std::string> words_;
    std::bitset<Lengths> lengths_;
    std::bitset<Lengths * 27 * 27> keys_;
};

}  // namespace quillex
