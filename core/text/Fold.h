#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/text/Text.h"

namespace quillex {

// The folds of French text, each with one table: lower French, look-up spelling, first-letter
// group, grid spelling. Every comparison that disregards case or accents goes through one of them.

namespace detail {

// The letters Windows-1252 adds to Latin-1, with their lower case and their spellings in look-up
// spelling and in capitals without accents: the one table of them every fold reads.
struct Windows1252Letter {
    char16_t capital;
    char16_t lower;
    std::u16string_view lookup;
    std::u16string_view capitals;
};
inline constexpr Windows1252Letter kWindows1252Letters[] = {{u'Œ', u'œ', u"oe", u"OE"},
                                                            {u'Š', u'š', u"s", u"S"},
                                                            {u'Ž', u'ž', u"z", u"Z"},
                                                            {u'Ÿ', u'ÿ', u"y", u"Y"}};

}  // namespace detail

/// One character lower-cased as ToLower does it (ASCII, Latin-1, Œ, Š, Ž, Ÿ), without building a
/// string: the loops that compare the lists call it for every character.
constexpr char16_t LowerFrench(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'À' && c <= u'Þ' && c != u'×'))
        return static_cast<char16_t>(c + 0x20);
    for (const auto& letter : detail::kWindows1252Letters)
        if (letter.capital == c) return letter.lower;
    return c;
}

/// One character upper-cased as ToUpper does it: the same letters as LowerFrench.
constexpr char16_t UpperFrench(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= u'à' && c <= u'þ' && c != u'÷'))
        return static_cast<char16_t>(c - 0x20);
    for (const auto& letter : detail::kWindows1252Letters)
        if (letter.lower == c) return letter.capital;
    return c;
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
