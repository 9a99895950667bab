#pragma once

#include <filesystem>
#include <span>

#include "richtext/RichDocument.h"

namespace quillex {

/// Reads RTF bytes into styled paragraphs; malformed or cut input gives what could be read.
RichDocument ParseRichText(std::span<const unsigned char> bytes);

/// Reads an RTF file (its first 16 MiB at most); throws InternalFailure (FileNotFound) with a
/// French description when it is missing, not a regular file, or unreadable.
RichDocument ReadRichTextFile(const std::filesystem::path& path);

}  // namespace quillex
