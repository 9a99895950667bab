#pragma once

#include <array>

#include "core/text/Text.h"

namespace quillex {

/// One character lower-cased exactly as ToLower does it (ASCII, Latin-1, Œ, Š, Ž, Ÿ), without
/// building a string: the browser calls it for every character it compares.
constexpr char16_t LowerCharacter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'À' && c <= u'Þ' && c != u'×'))
        return static_cast<char16_t>(c + 0x20);
    switch (c) {
        case u'Œ':
            return u'œ';
        case u'Š':
            return u'š';
        case u'Ž':
            return u'ž';
        case u'Ÿ':
            return u'ÿ';
        default:
            return c;
    }
}

/// LowerCharacter of the character a Windows-1252 byte of the lists stands for: one table load,
/// for the loops that compare the lists' lines character by character.
inline char16_t LowerWindows1252Char(char byte) {
    static constexpr std::array<char16_t, 256> kLowered = [] {
        std::array<char16_t, 256> lowered{};
        for (int b = 0; b < 256; ++b)
            lowered[b] = LowerCharacter(Windows1252Char(static_cast<unsigned char>(b)));
        return lowered;
    }();
    return kLowered[static_cast<unsigned char>(byte)];
}

}  // namespace quillex
