#include "core/text/Fold.h"

namespace quillex {
namespace {

// Base letters of the Latin-1 capitals U+00C0..U+00DE; '\0' for Æ, × and Þ.
constexpr char16_t kLatin1Bases[] = u"AAAAAA\0CEEEEIIIIDNOOOOO\0OUUUUY\0";
static_assert(sizeof(kLatin1Bases) / sizeof(char16_t) == 0xDE - 0xC0 + 2);

bool IsCombiningAccent(char16_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

void AppendFolded(std::u16string& out, char16_t c) {
    if (c >= 0xC0 && c <= 0xDE && kLatin1Bases[c - 0xC0] != u'\0') {
        out += kLatin1Bases[c - 0xC0];
        return;
    }
    switch (c) {
        case 0xC6:  // Æ
            out += u"AE";
            return;
        case 0xDF:  // ß
        case 0x1E9E:
            out += u"SS";
            return;
        case 0x0152:  // Œ
            out += u"OE";
            return;
        case 0x0160:  // Š
            out += u'S';
            return;
        case 0x017D:  // Ž
            out += u'Z';
            return;
        case 0x0178:  // Ÿ
            out += u'Y';
            return;
        default:
            if (!IsCombiningAccent(c)) out += c;
    }
}

// The look-up spelling of the lower-case Latin-1 letters U+00E0..U+00FF (÷, ø, þ and ß stay).
constexpr std::u16string_view kLowerLatin1[] = {u"a", u"a", u"a", u"a", u"a", u"a", u"ae", u"c",
                                                u"e", u"e", u"e", u"e", u"i", u"i", u"i",  u"i",
                                                u"ð", u"n", u"o", u"o", u"o", u"o", u"o",  u"÷",
                                                u"ø", u"u", u"u", u"u", u"u", u"y", u"þ",  u"y"};
static_assert(std::size(kLowerLatin1) == 0x100 - 0xE0);

// Whether the look-up spelling of `bytes` begins with `folded` (or, when `whole`, is it).
bool FoldedPrefix(std::string_view bytes, std::u16string_view folded, bool whole) {
    size_t matched = 0;
    for (const char byte : bytes) {
        const char16_t c = Windows1252Char(byte);
        for (const char16_t f : LookupSpellingOf(c)) {
            if (matched == folded.size()) return !whole;
            if (f != folded[matched]) return false;
            ++matched;
        }
    }
    return matched == folded.size();
}

}  // namespace

std::u16string_view LookupSpellingOf(const char16_t& c) {
    static constexpr char16_t kAsciiLower[] = u"abcdefghijklmnopqrstuvwxyz";
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z') return std::u16string_view(kAsciiLower + (c - u'A'), 1);
        return std::u16string_view(&c, 1);
    }
    const char16_t lowered = LowerFrench(c);
    if (lowered >= 0xE0 && lowered <= 0xFF) return kLowerLatin1[lowered - 0xE0];
    switch (lowered) {
        case u'œ':
            return u"oe";
        case u'š':
            return u"s";
        case u'ž':
            return u"z";
        default:
            return std::u16string_view(&c, 1);
    }
}

std::u16string LookupSpelling(std::u16string_view text) {
    std::u16string folded;
    folded.reserve(text.size());
    for (const char16_t& c : text) folded += LookupSpellingOf(c);
    return folded;
}

std::u16string LookupSpelling(std::string_view bytes) {
    std::u16string folded;
    folded.reserve(bytes.size());
    for (const char byte : bytes) {
        const char16_t c = Windows1252Char(byte);
        folded += LookupSpellingOf(c);
    }
    return folded;
}

bool LookupSpellingStartsWith(std::string_view bytes, std::u16string_view folded) {
    return FoldedPrefix(bytes, folded, false);
}

bool LookupSpellingEquals(std::string_view bytes, std::u16string_view folded) {
    return FoldedPrefix(bytes, folded, true);
}

std::u16string FoldAccents(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : ToUpper(text)) AppendFolded(out, c);
    return out;
}

std::string GridSpelling(std::u16string_view text) {
    std::string folded;
    for (const char16_t c : FoldAccents(text))
        if (c >= u'A' && c <= u'Z') folded += static_cast<char>(c);
    return folded;
}

std::string GridSpelling(std::string_view bytes) {
    return GridSpelling(DecodeWindows1252(bytes));
}

}  // namespace quillex
