#include "core/richtext/RichTextReader.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/richtext/RichDocumentBuilder.h"
#include "core/richtext/RtfTokenizer.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

[[noreturn]] void ThrowUnreadable(std::u16string_view what, const std::filesystem::path& path) {
    const auto name = path.u8string();
    throw InternalFailure(
        std::u16string(what) + u" : " +
            FromUtf8(std::string_view(reinterpret_cast<const char*>(name.data()), name.size())),
        FailureCode::FileNotFound);
}

}  // namespace

void ThrowRichTextTooTall(const std::filesystem::path& path) {
    ThrowUnreadable(u"Fichier trop complexe (plus de 1 000 pages de texte)", path);
}

std::int64_t EstimatedHeightTwips(const RichDocument& document) {
    constexpr std::int64_t kTabTwips = 1200;  // a view's default tab stops are 80 pixels apart
    std::int64_t height = 0;
    for (const RichParagraph& paragraph : document.paragraphs) {
        const RichParagraphFormat& format = paragraph.format;
        const std::int64_t width = std::max(
            RichTextWidthTwips / 2, RichTextWidthTwips - format.leftIndent - format.rightIndent);
        const auto linesOf = [width](std::int64_t advance) {
            return std::max<std::int64_t>(1, (advance + width - 1) / width);
        };
        std::int64_t advance = std::max(0, format.firstLineIndent);  // twips across the line
        std::int64_t lines = 0;
        int largest = RichRun{}.halfPoints;
        for (const RichRun& run : paragraph.runs) {
            largest = std::max(largest, run.halfPoints);
            for (const char16_t c : run.text) {
                if (c == u'\u2028') {  // a line break inside the paragraph
                    lines += linesOf(advance);
                    advance = 0;
                } else {  // 0.6 of the size, which is halfPoints * 10 twips
                    advance += c == u'\t' ? kTabTwips : run.halfPoints * 6;
                }
            }
        }
        lines += linesOf(advance);
        height += lines * largest * 25 / 2 + format.spaceBefore + format.spaceAfter;
    }
    return height;
}

RichDocument ParseRichText(std::span<const unsigned char> bytes) {
    RtfTokenizer tokens(bytes);
    RichDocumentBuilder builder;
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next())
        tokens.skipBytes(builder.take(token));
    return builder.finish();
}

RichDocument ReadRichTextFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) ThrowUnreadable(u"Fichier introuvable", path);
    // Only regular files: a pipe or a device could block or never end.
    const bool regular = std::filesystem::is_regular_file(path, error);
    const auto size = regular ? std::filesystem::file_size(path, error) : 0;
    std::ifstream file(path, std::ios::binary);
    if (!regular || error || !file) ThrowUnreadable(u"Fichier illisible", path);
    if (size > MaxRichTextFileBytes)
        ThrowUnreadable(u"Fichier trop volumineux (plus de 1 Mio)", path);
    // One byte more than allowed, to see a file that grew since its size was taken.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size) + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) ThrowUnreadable(u"Fichier illisible", path);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > MaxRichTextFileBytes)
        ThrowUnreadable(u"Fichier trop volumineux (plus de 1 Mio)", path);
    RichDocument document = ParseRichText(bytes);
    if (document.paragraphs.size() > MaxRichTextParagraphs)
        ThrowUnreadable(u"Fichier trop complexe (plus de 10 000 paragraphes)", path);
    std::size_t runs = 0, characters = 0;
    for (const RichParagraph& paragraph : document.paragraphs) {
        runs += paragraph.runs.size();
        for (const RichRun& run : paragraph.runs) characters += run.text.size();
    }
    if (runs > MaxRichTextRuns)
        ThrowUnreadable(u"Fichier trop complexe (plus de 50 000 changements de style)", path);
    if (characters > MaxRichTextCharacters)
        ThrowUnreadable(u"Fichier trop complexe (plus de 100 000 caractères)", path);
    if (EstimatedHeightTwips(document) > MaxRichTextHeightTwips) ThrowRichTextTooTall(path);
    return document;
}

}  // namespace quillex
