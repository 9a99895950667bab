#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillex {

/// A draw as counts of the letters A-Z and of jokers.
class DrawLetters {
  public:
    /// Counts the letters of a draw, lower case as upper case; '?' is the joker.
    explicit DrawLetters(std::u16string_view draw);

    /// Whether the draw holds a character that is neither a letter A-Z nor the joker.
    bool hasForeignCharacter() const { return foreign_; }
    /// Whether the draw holds a joker.
    bool hasJoker() const { return jokers_ > 0; }
    /// The LetterSum of the drawn letters, the joker left out.
    uint64_t letterSum() const { return letterSum_; }
    /// Whether a word uses every letter of the draw once, each joker standing for one letter.
    bool isAnagram(std::u16string_view word) const;

  private:
    std::array<int, 26> counts_{};
    uint64_t letterSum_ = 0;
    int length_ = 0;
    int jokers_ = 0;
    bool foreign_ = false;
};

}  // namespace quillex
