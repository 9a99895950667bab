#include "core/synonyms/HeadwordMatch.h"

#include "core/synonyms/FirstLetterGroup.h"

namespace quillex {
namespace {

// The typed text is UTF-16, a listed headword Windows-1252 bytes.
char16_t CharacterOf(char16_t c) {
    return c;
}
char16_t CharacterOf(char byte) {
    return Windows1252Char(byte);
}

template <typename Char>
std::u16string Fold(std::basic_string_view<Char> text) {
    std::u16string folded;
    for (const Char raw : text) {
        const char16_t c = LowerCharacter(CharacterOf(raw));
        if (c == u'œ') {
            folded += u"oe";
        } else if (c == u'æ') {
            folded += u"ae";
        } else if (folded.empty()) {
            const auto group = FirstLetterGroup::ForFirstCharacter(c);
            folded += group ? group->fold(std::u16string_view(&c, 1)) : std::u16string(1, c);
        } else {
            folded += c;
        }
    }
    return folded;
}

}  // namespace

std::u16string LookupFold(std::u16string_view text) {
    return Fold(text);
}

std::u16string LookupFold(std::string_view headword) {
    return Fold(headword);
}

bool LookupFoldMayEqual(std::string_view headword, std::u16string_view folded) {
    const size_t length = headword.size();
    if (folded.size() < length || folded.size() > 2 * length) return false;
    if (length < 2) return true;  // a lone character is the first, which the fold may change
    const char16_t last = LowerWindows1252Char(headword.back());
    return last == u'œ' || last == u'æ' || folded.back() == last;
}

}  // namespace quillex
