// The joker limit of each length, stated as the letters a pattern must know.
#include <gtest/gtest.h>

#include <string>

#include "core/pattern/Pattern.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// Whether the pattern written as `text` is refused for its jokers.
bool Refused(std::u16string_view text) {
    return std::get<Pattern>(Pattern::Parse(text)).exceedsJokerLimit();
}

// A pattern of `length` symbols whose last `known` ones are letters.
std::u16string KnownAtEnd(int length, int known) {
    std::u16string pattern(length, PatternJoker);
    for (int i = length - known; i < length; ++i) pattern[i] = u'E';
    return pattern;
}

struct LengthRow {
    int length;
    int lettersNeeded;
};

// One known letter at lengths 3 and 4, two at 5..10, three at 11..15.
constexpr LengthRow kRows[] = {{3, 1},  {4, 1},  {5, 2},  {6, 2},  {7, 2},  {8, 2}, {9, 2},
                               {10, 2}, {11, 3}, {12, 3}, {13, 3}, {14, 3}, {15, 3}};

TEST(joker_limits, each_length_needs_its_number_of_known_letters) {
    for (const LengthRow& row : kRows) {
        SCOPED_TRACE(row.length);
        ASSERT_TRUE(MostJokers(row.length).has_value());
        EXPECT_EQ(*MostJokers(row.length), row.length - row.lettersNeeded);
        EXPECT_FALSE(Refused(KnownAtEnd(row.length, row.lettersNeeded)));
        EXPECT_TRUE(Refused(KnownAtEnd(row.length, row.lettersNeeded - 1)));
    }
}

TEST(joker_limits, lengths_ten_and_eleven_both_allow_eight_jokers) {
    EXPECT_EQ(MostJokers(10), 8);
    EXPECT_EQ(MostJokers(11), 8);
    EXPECT_FALSE(Refused(u"????????ES"));
    EXPECT_TRUE(Refused(u"?????????ES"));
    EXPECT_FALSE(Refused(u"????????IES"));
}

TEST(joker_limits, joker_limit_refuses_one_letter_in_five) {
    EXPECT_TRUE(Refused(u"????S"));
    EXPECT_FALSE(Refused(u"???ES"));
}

TEST(joker_limits, lengths_outside_three_to_fifteen_have_no_limit) {
    for (int length : {-1, 0, 1, 2, 16, 40}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(MostJokers(length).has_value());
        EXPECT_FALSE(Refused(std::u16string(length > 0 ? length : 0, PatternJoker)));
    }
}

TEST(joker_limits, only_the_joker_symbol_counts_as_a_joker) {
    EXPECT_FALSE(Refused(u"   ??"));
    EXPECT_FALSE(Refused(u"[A-Z][A-Z][A-Z]??"));  // a set is a known letter, however wide
}

TEST(joker_limits, a_run_frees_the_length_and_lifts_the_limit) {
    EXPECT_FALSE(Refused(u"?????*"));
    EXPECT_FALSE(Refused(u"*???????????????"));
}

}  // namespace
}  // namespace quillex
