#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/synonyms/LowerCharacter.h"
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

/// A text lower-cased, its ligatures spelt out and its first letter unaccented: "Œil", "oeil",
/// "Étoile" and "etoile" fold to "oeil" and "etoile", while "étoilé" stays "etoilé".
std::u16string LookupFold(std::u16string_view text);
/// The same fold of a headword's Windows-1252 bytes.
std::u16string LookupFold(std::string_view headword);

/// Whether LookupFold(headword) may equal `folded`, told without folding: the fold keeps the
/// length or spells ligatures out, and keeps a last character that is no ligature.
bool LookupFoldMayEqual(std::string_view headword, std::u16string_view folded);

/// Of `count` lines given by `lineAt(k)`, the one a look-up takes: the first whose headword is
/// spelt exactly as typed, else the first whose lower-cased headword is `word`, else the only
/// one whose headword folds (LookupFold) as `word` does. An exact spelling wins so that "Terre"
/// and "terre", two entries, are each reachable; a text typed without accent or ligature finds
/// its headword when it names only one. A text holding "@" is no headword.
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
    const std::u16string foldedWord = LookupFold(word);
    std::optional<int> onlyFolded;
    for (int k = 0; k < count; ++k) {
        // A headword longer than the folded text never folds to it: look no further for "@".
        const std::string_view line = lineAt(k);
        const size_t at = line.substr(0, foldedWord.size() + 1).find('@');
        if (at == std::string_view::npos) continue;
        const std::string_view headword = line.substr(0, at);
        if (!LookupFoldMayEqual(headword, foldedWord) || LookupFold(headword) != foldedWord)
            continue;
        if (onlyFolded) return std::nullopt;
        onlyFolded = k;
    }
    return onlyFolded;
}

}  // namespace quillex
