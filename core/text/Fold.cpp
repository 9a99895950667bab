#include "core/text/Fold.h"

namespace quillex {
namespace {

// Capitals without accents of U+00C0..U+00DF (× and Þ stay).
constexpr std::u16string_view kLatin1Capitals[] = {
    u"A", u"A", u"A", u"A", u"A", u"A", u"AE", u"C", u"E", u"E", u"E",
    u"E", u"I", u"I", u"I", u"I", u"D", u"N",  u"O", u"O", u"O", u"O",
    u"O", u"×", u"O", u"U", u"U", u"U", u"U",  u"Y", u"Þ", u"SS"};
static_assert(std::size(kLatin1Capitals) == 0xE0 - 0xC0);

bool IsCombiningAccent(char16_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// Appends a capital (or any character ToUpper leaves) without its accents.
void AppendFolded(std::u16string& out, char16_t c) {
    if (c >= 0xC0 && c <= 0xDF) {
        out += kLatin1Capitals[c - 0xC0];
        return;
    }
    if (c == 0x1E9E) {  // ẞ
        out += u"SS";
        return;
    }
    for (const auto& letter : detail::kWindows1252Letters) {
        if (letter.capital == c) {
            out += letter.capitals;
            return;
        }
    }
    if (!IsCombiningAccent(c)) out += c;
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
    for (const auto& letter : detail::kWindows1252Letters)
        if (letter.lower == lowered) return letter.lookup;
    return std::u16string_view(&c, 1);
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
