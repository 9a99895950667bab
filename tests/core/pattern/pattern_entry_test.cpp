// What a letter box accepts, and a pattern typed as text.
#include <gtest/gtest.h>

#include "core/pattern/PatternEntry.h"

namespace quillex {
namespace {

TEST(pattern_entry, boxes_accept_letters_space_and_joker_only) {
    for (char16_t c : std::u16string_view(u" aAzZmM?")) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_TRUE(IsAllowedBoxCharacter(c));
    }
    for (char16_t c : std::u16string_view(u"é5_-*É\t'œ\0")) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_FALSE(IsAllowedBoxCharacter(c));
    }
}

TEST(pattern_entry, typed_letters_are_upper_cased_and_jokers_kept) {
    EXPECT_EQ(PatternFromText(u"??e?????s"), u"??E?????S");
    EXPECT_EQ(PatternFromText(u"a b"), u"A B");
}

}  // namespace
}  // namespace quillex
