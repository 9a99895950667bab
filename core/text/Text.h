#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// The line separator of the resources and of multi-line message texts.
inline constexpr std::u16string_view LineBreak = u"\r\n";

/// The UTF-16 character of one Windows-1252 byte (0x92 is U+2019); the five bytes Windows-1252
/// leaves undefined keep their C1 code.
constexpr char16_t Windows1252Char(unsigned char byte) {
    constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : static_cast<char16_t>(byte);
}

/// The same, for a byte of a text held in chars.
constexpr char16_t Windows1252Char(char byte) {
    return Windows1252Char(static_cast<unsigned char>(byte));
}

/// The Windows-1252 byte of a UTF-16 character, or -1 when that code has none for it.
int Windows1252Byte(char16_t c);

/// Widens Windows-1252 text (a word or line of the lists) to UTF-16, for showing it.
std::u16string DecodeWindows1252(std::string_view bytes);

/// Appends Windows-1252 text to `out` as UTF-8, for printing it.
void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);

/// Windows-1252 text as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);

/// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

/// Lower-cases the letters French text uses (ASCII, Latin-1, Œ, Š, Ž, Ÿ); others stay.
std::u16string ToLower(std::u16string_view text);

/// Upper-cases the same letters as ToLower.
std::u16string ToUpper(std::u16string_view text);

/// A typed or pasted entry as a search reads it: its first line, without the white space at
/// either end (tabs, spaces of every width, no-break ones included).
std::u16string_view Trimmed(std::u16string_view text);

}  // namespace quillex
