#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// What a letter box accepts: a space, the letters a..z and A..Z, and the joker "?".
inline constexpr std::u16string_view AllowedBoxCharacters =
    u" abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ?";

/// Whether a letter box accepts the character (an exact test: no accented letter, no digit).
constexpr bool IsAllowedBoxCharacter(char16_t c) {
    return AllowedBoxCharacters.find(c) != std::u16string_view::npos;
}

/// The pattern a row of letter boxes holding `text`, one character each, gives: letters
/// upper-cased as the boxes show them, "?" kept as the joker.
std::u16string PatternFromText(std::u16string_view text);

}  // namespace quillex
