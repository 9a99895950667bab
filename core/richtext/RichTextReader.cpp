#include "richtext/RichTextReader.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "errors/InternalFailure.h"
#include "richtext/RichDocumentBuilder.h"
#include "richtext/RtfTokenizer.h"
#include "text/Text.h"

namespace quillex {
namespace {

// Far above any licence text; keeps a wrong file from filling the memory.
constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;

[[noreturn]] void ThrowUnreadable(std::u16string_view what, const std::filesystem::path& path) {
    const auto name = path.u8string();
    throw InternalFailure(
        std::u16string(what) + u" : " +
            FromUtf8(std::string_view(reinterpret_cast<const char*>(name.data()), name.size())),
        FailureCode::FileNotFound);
}

}  // namespace

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
    std::vector<unsigned char> bytes(static_cast<std::size_t>(std::min(size, kMaxFileBytes)));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) ThrowUnreadable(u"Fichier illisible", path);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ParseRichText(bytes);
}

}  // namespace quillex
