#include "core/richtext/RtfTokenizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillex {
namespace {

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken MakeToken(RtfToken::Kind kind, unsigned char byte = 0) {
    RtfToken token;
    token.kind = kind;
    token.byte = byte;
    return token;
}

RtfToken ByteToken(unsigned char byte) {
    return MakeToken(RtfToken::Kind::Byte, byte);
}

}  // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        const unsigned char c = bytes_[position_++];
        switch (c) {
            case '{':
                return MakeToken(RtfToken::Kind::GroupStart);
            case '}':
                return MakeToken(RtfToken::Kind::GroupEnd);
            case '\r':
            case '\n':
                continue;  // line ends in RTF source carry no meaning
            case '\\':
                if (atEnd()) return {};
                if (peek() == '\'') {
                    if (auto token = readHexByte()) return *token;
                    continue;
                }
                return readEscape();
            default:
                return ByteToken(c);
        }
    }
    return {};
}

void RtfTokenizer::skipBytes(std::size_t count) {
    position_ += std::min(count, bytes_.size() - position_);
}

RtfToken RtfTokenizer::readEscape() {
    if (IsLetter(peek())) return readControlWord();
    const unsigned char symbol = bytes_[position_++];
    if (symbol == '\\' || symbol == '{' || symbol == '}') return ByteToken(symbol);
    return MakeToken(RtfToken::Kind::ControlSymbol, symbol);
}

RtfToken RtfTokenizer::readControlWord() {
    const std::size_t start = position_;
    while (!atEnd() && IsLetter(peek())) ++position_;
    RtfToken token = MakeToken(RtfToken::Kind::ControlWord);
    token.word =
        std::string_view(reinterpret_cast<const char*>(bytes_.data() + start), position_ - start);
    token.parameter = readParameter();
    if (!atEnd() && peek() == ' ') ++position_;  // the delimiting space belongs to the word
    return token;
}

std::optional<int> RtfTokenizer::readParameter() {
    const bool negative = !atEnd() && peek() == '-' && position_ + 1 < bytes_.size() &&
                          IsDigit(bytes_[position_ + 1]);
    if (negative) ++position_;
    if (atEnd() || !IsDigit(peek())) return std::nullopt;
    // Saturates instead of overflowing: the digits are all read, the value stops growing.
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    std::int64_t value = 0;
    while (!atEnd() && IsDigit(peek()))
        value = std::min(value * 10 + (bytes_[position_++] - '0'), kLimit);
    return static_cast<int>(negative ? -value : value);
}

std::optional<RtfToken> RtfTokenizer::readHexByte() {
    ++position_;  // the quote
    int value = 0;
    for (int digit = 0; digit < 2; ++digit) {
        const int nibble = atEnd() ? -1 : HexValue(peek());
        if (nibble < 0) return std::nullopt;
        value = value * 16 + nibble;
        ++position_;
    }
    return ByteToken(static_cast<unsigned char>(value));
}

}  // namespace quillex
