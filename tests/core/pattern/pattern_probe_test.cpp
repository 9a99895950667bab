// How a pattern's known letters are grouped and ordered for the scan.
#include <gtest/gtest.h>

#include <string>

#include "core/pattern/PatternProbe.h"

namespace quillex {
namespace {

TEST(pattern_probe, jokers_only_give_one_pair_every_word_fits) {
    const PatternProbe probe(5, "?????");
    ASSERT_EQ(probe.pairs().size(), 1u);
    EXPECT_TRUE(probe.pairs()[0].fits("ZZZZZ"));
    EXPECT_TRUE(probe.pairs()[0].fits("     "));
}

TEST(pattern_probe, known_letters_go_into_the_pair_of_their_position) {
    const PatternProbe probe(4, "?B??");
    ASSERT_EQ(probe.pairs().size(), 1u);
    const LetterPair& pair = probe.pairs()[0];
    EXPECT_TRUE(pair.fits("ABCD"));
    EXPECT_TRUE(pair.fits("XBXX"));
    EXPECT_FALSE(pair.fits("BACD"));
}

TEST(pattern_probe, rare_letters_are_tested_before_common_ones) {
    const PatternProbe probe(6, "E?????Z?");  // Z is past the length: not read
    ASSERT_EQ(probe.pairs().size(), 1u);
    const PatternProbe mixed(6, "E???Z?");
    ASSERT_EQ(mixed.pairs().size(), 2u);
    EXPECT_EQ(mixed.pairs()[0].offset, 4);
    EXPECT_EQ(mixed.pairs()[1].offset, 0);
}

TEST(pattern_probe, an_odd_length_keeps_its_last_pair_inside_the_word) {
    const PatternProbe probe(5, "???XS");
    ASSERT_EQ(probe.pairs().size(), 2u);
    for (const LetterPair& pair : probe.pairs()) EXPECT_LE(pair.offset + 2, 5);
    const std::string word = "ABCXS";
    for (const LetterPair& pair : probe.pairs()) EXPECT_TRUE(pair.fits(word.data()));
    EXPECT_FALSE(probe.pairs()[0].fits("ABCXT") && probe.pairs()[1].fits("ABCXT"));
}

TEST(pattern_probe, a_character_no_word_holds_is_tested_first) {
    const PatternProbe probe(4, "E? ?");
    ASSERT_EQ(probe.pairs().size(), 2u);
    EXPECT_EQ(probe.pairs()[0].offset, 2);
}

}  // namespace
}  // namespace quillex
