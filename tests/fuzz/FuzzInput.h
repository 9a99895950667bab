#pragma once

#include <cstdint>
#include <string>

namespace quillex::fuzz {

/// Fuzz bytes read as UTF-16 code units, so every character a user could type is reached.
inline std::u16string AsText(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

}  // namespace quillex::fuzz
