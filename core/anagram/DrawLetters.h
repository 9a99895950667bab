#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/anagram/CapitalIndex.h"

namespace quillex {

/// A draw as counts of the letters A-Z and of jokers.
class DrawLetters {
  public:
    /// Counts the letters of a draw, lower case as upper case; '?' is the joker.
    explicit DrawLetters(std::u16string_view draw);

    /// Whether the draw holds a character that is neither a letter A-Z nor the joker.
    bool hasForeignCharacter() const { return foreign_; }
    /// The LetterSum of the drawn letters, the joker left out.
    uint64_t letterSum() const { return letterSum_; }
    /// How many jokers the draw holds.
    int jokerCount() const { return jokerCount_; }
    /// How many times the draw holds a letter, by its CapitalIndex 0..25.
    int count(unsigned letter) const { return counts_[letter]; }

    /// What uncoveredCount gives a word that no number of jokers can make.
    static constexpr int NoFit = 1000;
    /// How many letters of a word the drawn letters leave to jokers (or to the board), each
    /// drawn letter used at most once; NoFit when the word holds a character other than A-Z.
    template <typename Word>
    int uncoveredCount(Word word) const;
    /// Bit k set for each letter k of a word that the drawn letters leave to jokers. The drawn
    /// letters go to the first occurrences, so a joker's letter sits at its last possible place.
    template <typename Word>
    uint16_t uncoveredPlaces(Word word) const;

  private:
    // Longer words than this never fit; the limit keeps the int8_t counts below from wrapping.
    static constexpr size_t MaxFittingLength = 16;

    std::array<int, 26> counts_{};
    // counts_ again, capped to fit, with a slot at NotACapital that every other character
    // empties: copied per word and counted down, it gives a word's uncovered letters.
    std::array<int8_t, 32> budget_{};
    uint64_t letterSum_ = 0;
    int jokerCount_ = 0;
    bool foreign_ = false;
};

template <typename Word>
int DrawLetters::uncoveredCount(Word word) const {
    if (word.size() > MaxFittingLength) return NoFit;
    auto left = budget_;
    int uncovered = 0;
    for (const auto c : word) uncovered += --left[CapitalIndex(c)] < 0;
    return left[NotACapital] < 0 ? NoFit : uncovered;
}

template <typename Word>
uint16_t DrawLetters::uncoveredPlaces(Word word) const {
    auto left = budget_;
    unsigned places = 0;
    for (size_t k = 0; k < word.size() && k < MaxFittingLength; ++k)
        places |= unsigned{--left[CapitalIndex(word[k])] < 0} << k;
    return static_cast<uint16_t>(places);
}

}  // namespace quillex
