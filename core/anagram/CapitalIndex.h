#pragma once

namespace quillex {

/// The index given to every character that is not a capital A-Z.
inline constexpr unsigned NotACapital = 26;

/// The index 0..25 of a capital letter A-Z, NotACapital for anything else. The engines' one
/// look at a character's code, for any character type whose A-Z have their ASCII codes.
template <typename Char>
constexpr unsigned CapitalIndex(Char c) {
    const unsigned index = static_cast<unsigned>(c) - static_cast<unsigned>('A');
    return index < NotACapital ? index : NotACapital;
}

}  // namespace quillex
