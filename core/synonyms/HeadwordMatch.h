#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex {

/// Whether the headword of `line` (Windows-1252 bytes, the part before its first "@") is `text`,
/// which holds no "@", case ignored on the line's side when `lowered`.
inline bool HeadwordIs(std::string_view line, std::u16string_view text, bool lowered) {
    const size_t n = text.size();
    if (line.size() <= n || line[n] != '@') return false;
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = lowered ? LowerWindows1252Char(line[i]) : Windows1252Char(line[i]);
        if (c != text[i]) return false;
    }
    return true;
}

/// How many characters of a headword (Windows-1252) and a lower-cased text differ, position by
/// position, the headword lower-cased; each character one of them has beyond the other counts.
inline size_t CharactersDiffering(std::string_view headword, std::u16string_view word) {
    const size_t shared = std::min(headword.size(), word.size());
    size_t differences = std::max(headword.size(), word.size()) - shared;
    for (size_t i = 0; i < shared; ++i)
        if (LowerWindows1252Char(headword[i]) != word[i]) ++differences;
    return differences;
}

/// Of `count` lines given by `lineAt(k)`, in dictionary order, the one a look-up takes: the first
/// whose headword is spelt exactly as typed, else the first whose lower-cased headword is `word`,
/// else, of the headwords that have the look-up spelling of `word` (case, accents and "œ"/"æ"
/// ignored on every character), the one closest to it: fewest characters that differ once both
/// are lower-cased, the first in dictionary order among equals. An exact spelling wins so that
/// "Terre" and "terre", or "âge" and "âgé", are each reachable; "age" takes "âge" and "peche"
/// "pêche" rather than "péché"; the headword list shows all of them. A text holding "@" is no
/// headword.
template <typename LineAt>
std::optional<int> FindHeadword(std::u16string_view word, std::u16string_view typedText, int count,
                                LineAt lineAt) {
    if (word.find(u'@') != std::u16string_view::npos) return std::nullopt;
    std::optional<int> firstLowered;
    for (int k = 0; k < count; ++k) {
        const std::string_view line = lineAt(k);
        if (HeadwordIs(line, typedText, false)) return k;
        if (!firstLowered && HeadwordIs(line, word, true)) firstLowered = k;
    }
    if (firstLowered) return firstLowered;
    const std::u16string folded = LookupSpelling(word);
    std::optional<int> closest;
    size_t fewestDifferences = 0;
    for (int k = 0; k < count; ++k) {
        const std::string_view line = lineAt(k);
        // A headword's spelling is never shorter than its bytes: look no further for "@".
        const size_t at = line.substr(0, folded.size() + 1).find('@');
        if (at == std::string_view::npos || !LookupSpellingEquals(line.substr(0, at), folded))
            continue;
        const size_t differences = CharactersDiffering(line.substr(0, at), word);
        if (!closest || differences < fewestDifferences) {
            closest = k;
            fewestDifferences = differences;
        }
    }
    return closest;
}

}  // namespace quillex
