// The joker limit of each length, stated as the letters a pattern must know.
#include <gtest/gtest.h>

#include <string>

#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternSearch.h"

namespace quillex {
namespace {

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
        ASSERT_TRUE(JokerLimits(row.length).has_value());
        EXPECT_EQ(*JokerLimits(row.length), row.length - row.lettersNeeded);
        EXPECT_EQ(CheckJokers(row.length, KnownAtEnd(row.length, row.lettersNeeded)),
                  JokerCheck::Allowed);
        EXPECT_EQ(CheckJokers(row.length, KnownAtEnd(row.length, row.lettersNeeded - 1)),
                  JokerCheck::JokerLimitExceeded);
    }
}

TEST(joker_limits, lengths_ten_and_eleven_both_allow_eight_jokers) {
    EXPECT_EQ(JokerLimits(10), 8);
    EXPECT_EQ(JokerLimits(11), 8);
    EXPECT_EQ(CheckJokers(10, u"????????ES"), JokerCheck::Allowed);
    EXPECT_EQ(CheckJokers(11, u"?????????ES"), JokerCheck::JokerLimitExceeded);
    EXPECT_EQ(CheckJokers(11, u"????????IES"), JokerCheck::Allowed);
}

TEST(joker_limits, joker_limit_refuses_one_letter_in_five) {
    EXPECT_EQ(CheckJokers(5, u"????S"), JokerCheck::JokerLimitExceeded);
    EXPECT_EQ(CheckJokers(5, u"???ES"), JokerCheck::Allowed);
}

TEST(joker_limits, lengths_outside_three_to_fifteen_have_no_limit) {
    for (int length : {-1, 0, 1, 2, 16, 40}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(JokerLimits(length).has_value());
        EXPECT_EQ(CheckJokers(length, std::u16string(length > 0 ? length : 0, PatternJoker)),
                  JokerCheck::Allowed);
    }
}

TEST(joker_limits, positions_the_pattern_does_not_reach_count_as_jokers) {
    EXPECT_EQ(CheckJokers(5, u"AB"), JokerCheck::Allowed);            // three jokers
    EXPECT_EQ(CheckJokers(5, u"A"), JokerCheck::JokerLimitExceeded);  // four
    EXPECT_EQ(CheckJokers(3, u"??A????"), JokerCheck::Allowed);       // symbols past 3 not read
}

TEST(joker_limits, only_the_joker_symbol_counts_as_a_joker) {
    EXPECT_EQ(CheckJokers(5, u"   ??"), JokerCheck::Allowed);
    EXPECT_EQ(CheckJokers(5, u"___??"), JokerCheck::Allowed);
}

}  // namespace
}  // namespace quillex
