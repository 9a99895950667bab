#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/text/Text.h"

namespace quillex {

// The folds of French text, each with one table: lower French, look-up spelling, first-letter
// group, grid spelling. Every comparison that disregards case or accents goes through one of them.

/// One character lower-cased as ToLower does it (ASCII, Latin-1, Œ, Š, Ž, Ÿ), without building a
/// string: the loops that compare the lists call it for every character.
constexpr char16_t LowerFrench(char16_t c) {
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

/// LowerFrench of the character a Windows-1252 byte of the lists stands for: one table load.
inline char16_t LowerWindows1252Char(char byte) {
    static constexpr std::array<char16_t, 256> kLowered = [] {
        std::array<char16_t, 256> lowered{};
        for (int b = 0; b < 256; ++b)
            lowered[b] = LowerFrench(Windows1252Char(static_cast<unsigned char>(b)));
        return lowered;
    }();
    return kLowered[static_cast<unsigned char>(byte)];
}

/// The look-up spelling of one character: lower case, accents removed, "œ" and "æ" spelt out
/// ("É" gives "e", "Œ" gives "oe"); other characters stay. A view of static text, or of `c`.
std::u16string_view LookupSpellingOf(const char16_t& c);

/// A text in look-up spelling, character by character: "Théâtre", "THEATRE" and "théatre" all
/// give "theatre", "Cœur" gives "coeur".
std::u16string LookupSpelling(std::u16string_view text);
/// The same of Windows-1252 bytes, such as a headword of the lists.
std::u16string LookupSpelling(std::string_view bytes);

/// Whether the look-up spelling of `bytes` (Windows-1252) begins with `folded`, a text already
/// in look-up spelling. Folds as it compares and stops at the first difference.
bool LookupSpellingStartsWith(std::string_view bytes, std::u16string_view folded);
/// Whether the look-up spelling of `bytes` is `folded`, allocating nothing.
bool LookupSpellingEquals(std::string_view bytes, std::u16string_view folded);

/// The letter group 'a'..'z' a text in look-up spelling files under by its first character, or 0
/// when it starts with no letter a..z.
constexpr char16_t FirstLetterGroupOf(std::u16string_view folded) {
    return (!folded.empty() && folded.front() >= u'a' && folded.front() <= u'z') ? folded.front()
                                                                                 : 0;
}

/// Capitals without accents, for comparisons that disregard both: "é", "É" and "e" all give
/// "E", "œ" gives "OE", "æ" "AE", "ß" "SS"; combining accents are dropped, other characters stay.
std::u16string FoldAccents(std::u16string_view text);

/// A text in grid spelling, as the main list spells its words: capitals without accents, "œ" as
/// OE and "æ" as AE, letters A..Z only ("mise à jour" gives MISEAJOUR). Plain ASCII, so it
/// compares with the main list's bytes as it stands.
std::string GridSpelling(std::u16string_view text);
/// The same of Windows-1252 bytes, such as a synonym.
std::string GridSpelling(std::string_view bytes);

}  // namespace quillex
