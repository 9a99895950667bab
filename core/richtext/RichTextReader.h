#pragma once

#include <cstddef>
#include <filesystem>
#include <span>

#include "core/richtext/RichDocument.h"

namespace quillex {

/// Reads RTF bytes into styled paragraphs; malformed or cut input gives what could be read.
RichDocument ParseRichText(std::span<const unsigned char> bytes);

/// The largest rich-text file read: a licence takes a few KiB.
inline constexpr std::size_t MaxRichTextFileBytes = 1024 * 1024;
/// The most paragraphs a file may hold (long paragraphs count once per part) and the most runs,
/// stretches of text in one style: a text view spends time on each, and a licence has a few
/// hundred of either.
inline constexpr std::size_t MaxRichTextParagraphs = 10000;
inline constexpr std::size_t MaxRichTextRuns = 50000;

/// Reads an RTF file; throws InternalFailure (FileNotFound) with a French description when it is
/// missing, not a regular file, unreadable, larger than MaxRichTextFileBytes or holding more
/// paragraphs or runs than allowed.
RichDocument ReadRichTextFile(const std::filesystem::path& path);

}  // namespace quillex
