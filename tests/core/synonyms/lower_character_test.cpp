#include "core/synonyms/LowerCharacter.h"

#include <gtest/gtest.h>

#include <string_view>

#include "core/text/Text.h"

namespace quillex {
namespace {

TEST(lower_character, agrees_with_ToLower_on_every_character) {
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const auto c = static_cast<char16_t>(code);
        ASSERT_EQ(LowerCharacter(c), ToLower(std::u16string_view(&c, 1))[0]) << int(code);
    }
}

TEST(lower_character, a_byte_of_the_lists_lowers_as_its_decoded_character) {
    for (int byte = 0; byte < 256; ++byte) {
        const char b = static_cast<char>(byte);
        ASSERT_EQ(LowerWindows1252Char(b), ToLower(DecodeWindows1252(std::string_view(&b, 1)))[0])
            << byte;
    }
}

}  // namespace
}  // namespace quillex
