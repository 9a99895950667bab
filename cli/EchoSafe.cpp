#include "cli/EchoSafe.h"

#include <cstdio>

#include "core/text/Text.h"

namespace quillex::cli {
namespace {

bool MustEscape(char16_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool bidiControl = c == 0x061C || c == 0x200E || c == 0x200F ||
                             (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return control || bidiControl;
}

}  // namespace

std::string EchoSafe(std::u16string_view text) {
    std::string safe;
    size_t plainFrom = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !MustEscape(text[i])) continue;
        safe += ToUtf8(text.substr(plainFrom, i - plainFrom));
        if (i < text.size()) {
            char escape[8];
            std::snprintf(escape, sizeof escape, text[i] < 0x80 ? "\\x%02X" : "\\u%04X",
                          static_cast<unsigned>(text[i]));
            safe += escape;
        }
        plainFrom = i + 1;
    }
    return safe;
}

}  // namespace quillex::cli
