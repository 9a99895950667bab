#include "cli/PrintLines.h"

#include <string>

#include "core/text/Text.h"

namespace quillex::cli {

void PrintLines(std::ostream& out, std::span<const std::string_view> lines) {
    // Written as it fills, so that a reader down a pipe starts on the first lines at once and
    // the whole text is never held.
    constexpr size_t BlockBytes = size_t{1} << 16;
    std::string text;
    text.reserve(BlockBytes + 64);
    for (const std::string_view line : lines) {
        AppendWindows1252AsUtf8(text, line);
        text += '\n';
        if (text.size() >= BlockBytes) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace quillex::cli
