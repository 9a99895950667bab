#include "core/synonyms/FirstLetterGroup.h"

#include <array>

#include "core/synonyms/LowerCharacter.h"
#include "core/synonyms/StringReplace.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// Each fold gives plain letters that no later fold touches, so applying the folds one after the
// other equals mapping every character once; foldedStartsWith relies on that. The ligatures fold
// to two letters in every group, so that "œil", "cœur" and "æschne" are reached by typing "oeil",
// "coeur" or "aeschne" as well.
constexpr std::array<AccentFold, 5> kFoldsA{
    {{u'à', u"a"}, {u'â', u"a"}, {u'á', u"a"}, {u'æ', u"ae"}, {u'œ', u"oe"}}};
constexpr std::array<AccentFold, 3> kFoldsC{{{u'ç', u"c"}, {u'æ', u"ae"}, {u'œ', u"oe"}}};
constexpr std::array<AccentFold, 5> kFoldsE{
    {{u'ê', u"e"}, {u'é', u"e"}, {u'è', u"e"}, {u'æ', u"ae"}, {u'œ', u"oe"}}};
constexpr std::array<AccentFold, 3> kFoldsI{{{u'î', u"i"}, {u'æ', u"ae"}, {u'œ', u"oe"}}};
constexpr std::array<AccentFold, 3> kFoldsO{{{u'ô', u"o"}, {u'œ', u"oe"}, {u'æ', u"ae"}}};
constexpr std::array<AccentFold, 2> kLigatures{{{u'æ', u"ae"}, {u'œ', u"oe"}}};

std::span<const AccentFold> FoldsOf(char16_t letter) {
    switch (letter) {
        case u'a':
            return kFoldsA;
        case u'c':
            return kFoldsC;
        case u'e':
            return kFoldsE;
        case u'i':
            return kFoldsI;
        case u'o':
            return kFoldsO;
        default:
            return kLigatures;
    }
}

// The plain letter `first` folds to the start of, or 0: every group folds "œ", but only the "o"
// group is where "œ" begins a word.
char16_t LetterOfFoldedFirst(char16_t first) {
    for (char16_t letter : {u'a', u'c', u'e', u'i', u'o'})
        for (const AccentFold& fold : FoldsOf(letter))
            if (fold.from == first && fold.to.front() == letter) return letter;
    return 0;
}

}  // namespace

std::optional<FirstLetterGroup> FirstLetterGroup::ForFirstCharacter(char16_t first) {
    const char16_t letter = (first >= u'a' && first <= u'z') ? first : LetterOfFoldedFirst(first);
    if (letter == 0) return std::nullopt;
    return FirstLetterGroup(letter, FoldsOf(letter));
}

std::u16string FirstLetterGroup::fold(std::u16string_view text) const {
    std::u16string folded(text);
    for (const AccentFold& fold : folds_)
        folded = StringReplace(folded, std::u16string_view(&fold.from, 1), fold.to);
    return folded;
}

// The folded characters of one lower-cased character: its fold, or a view of `c` itself.
std::u16string_view FirstLetterGroup::foldedCharacter(const char16_t& c) const {
    if (c >= 0x80)  // every fold is of a non-ASCII letter
        for (const AccentFold& fold : folds_)
            if (fold.from == c) return fold.to;
    return std::u16string_view(&c, 1);
}

bool FirstLetterGroup::foldedStartsWith(std::string_view line,
                                        std::u16string_view foldedText) const {
    const size_t wanted = foldedText.size();
    size_t matched = 0;
    for (const char byte : line) {
        // Lower-cased before folding, so that a stored capital such as "É" folds too.
        const char16_t c = LowerWindows1252Char(byte);
        for (const char16_t folded : foldedCharacter(c)) {
            if (matched == wanted) return true;
            if (folded != foldedText[matched]) return false;
            ++matched;
        }
    }
    return matched == wanted;
}

}  // namespace quillex
