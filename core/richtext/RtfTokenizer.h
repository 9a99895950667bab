#pragma once

#include <cstddef>
#include <span>

#include "core/richtext/RtfToken.h"

namespace quillex {

/// Cuts RTF bytes into tokens; every call consumes input, so reading always ends.
class RtfTokenizer {
  public:
    explicit RtfTokenizer(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    /// The next token; incomplete escapes at the end or malformed \' escapes are dropped.
    RtfToken next();
    /// Passes over raw bytes (the data of \binN), as many as are left at most.
    void skipBytes(std::size_t count);

  private:
    bool atEnd() const { return position_ >= bytes_.size(); }
    unsigned char peek() const { return bytes_[position_]; }
    RtfToken readEscape();
    RtfToken readControlWord();
    std::optional<int> readParameter();
    std::optional<RtfToken> readHexByte();

    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

}  // namespace quillex
