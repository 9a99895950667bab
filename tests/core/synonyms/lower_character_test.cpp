#include "synonyms/LowerCharacter.h"

#include <gtest/gtest.h>

#include <string_view>

#include "text/Text.h"

namespace quillex {
namespace {

TEST(lower_character, agrees_with_ToLower_on_every_character) {
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const auto c = static_cast<char16_t>(code);
        ASSERT_EQ(LowerCharacter(c), ToLower(std::u16string_view(&c, 1))[0]) << int(code);
    }
}

}  // namespace
}  // namespace quillex
