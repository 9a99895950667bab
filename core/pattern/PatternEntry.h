#pragma once

#include <cstddef>
#include <optional>
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

/// Where the first character a letter box would refuse stands in `text`, if there is one.
std::optional<std::size_t> FirstRefusedCharacter(std::u16string_view text);

/// The pattern a row of letter boxes holding `text`, one character each, gives: letters
/// upper-cased as the boxes show them, "?" kept as the joker.
std::u16string PatternFromText(std::u16string_view text);

}  // namespace quillex
