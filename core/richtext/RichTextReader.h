#pragma once

#include <cstddef>
#include <cstdint>
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
/// The most characters of text: a view lays its text out in the window's thread, in steps
/// that grow with the text, and a long licence has some 40 000.
inline constexpr std::size_t MaxRichTextCharacters = 100000;

/// The width, in twips, the text is set at to estimate its height: the licence view's text area.
inline constexpr int RichTextWidthTwips = 5250;
/// The most a document may measure, set RichTextWidthTwips wide: 1000 pages of 10 inches, a
/// hundred times a long licence, under a million pixels. A text view's layout time grows with
/// the height, and past a few million pixels it may never end.
inline constexpr std::int64_t MaxRichTextHeightTwips = 1000 * 14400;

/// An upper estimate of the document's height in twips, set RichTextWidthTwips wide: each
/// character as wide as 0.6 of its size, lines 1.25 times the paragraph's largest size.
std::int64_t EstimatedHeightTwips(const RichDocument& document);

/// Throws the failure of a file whose text is taller than MaxRichTextHeightTwips.
[[noreturn]] void ThrowRichTextTooTall(const std::filesystem::path& path);

/// Reads an RTF file; throws InternalFailure (FileNotFound) with a French description when it is
/// missing, not a regular file, unreadable, larger than MaxRichTextFileBytes, holding more
/// paragraphs, runs or characters than allowed, or taller than MaxRichTextHeightTwips.
RichDocument ReadRichTextFile(const std::filesystem::path& path);

}  // namespace quillex
