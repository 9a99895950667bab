#include "core/glossary/FoldAccents.h"

#include "core/text/Text.h"

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

}  // namespace

std::u16string FoldAccents(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : ToUpper(text)) AppendFolded(out, c);
    return out;
}

}  // namespace quillex
