#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillex {

/// The line separator of the resources and of multi-line message texts.
inline constexpr std::u16string_view LineBreak = u"\r\n";

/// Widens Windows-1252 bytes to UTF-16, one character per byte (0x92 becomes U+2019).
std::u16string DecodeWindows1252(std::span<const unsigned char> bytes);

/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);

/// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

/// Lower-cases the letters French text uses (ASCII, Latin-1, Œ, Š, Ž, Ÿ); others stay.
std::u16string ToLower(std::u16string_view text);

/// Upper-cases the same letters as ToLower.
std::u16string ToUpper(std::u16string_view text);

}  // namespace quillex
