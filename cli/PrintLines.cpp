#include "PrintLines.h"

#include <string>

#include "core/text/Text.h"

namespace quillex::cli {

void PrintLines(std::ostream& out, std::span<const std::string_view> lines) {
    std::string text;
    size_t size = 0;
    for (const std::string_view line : lines) size += line.size() + 1;
    text.reserve(size + size / 8);  // room for the accents, two bytes each in UTF-8
    for (const std::string_view line : lines) {
        AppendWindows1252AsUtf8(text, line);
        text += '\n';
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace quillex::cli
