// The scan of patterns of one length over the real main list, checked against a plain
// position-by-position comparison.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/pattern/PatternScan.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

using test::ListOfBytes;
using Words = std::vector<std::string_view>;

// Every word of the whole list, by length, found without the length table.
const std::vector<Words>& WordsByLength() {
    static const std::vector<Words> byLength = [] {
        std::vector<Words> groups(MaxPatternLength + 1);
        for (int i = 0; i < MainList().count(); ++i) {
            const std::string_view word = MainList()[i];
            if (word.size() < groups.size()) groups[word.size()].push_back(word);
        }
        return groups;
    }();
    return byLength;
}

// The plain scan: compare every position, "?" fits anything, other symbols upper-cased.
Words Oracle(std::u16string_view pattern) {
    const std::u16string upper = ToUpper(pattern);
    Words found;
    for (std::string_view word : WordsByLength()[upper.size()]) {
        bool fits = true;
        for (size_t i = 0; i < upper.size() && fits; ++i)
            fits = upper[i] == u'?' || upper[i] == Windows1252Char(word[i]);
        if (fits) found.push_back(word);
    }
    return found;
}

Pattern Read(std::u16string_view text) {
    return std::get<Pattern>(Pattern::Parse(text));
}

Words Scan(std::u16string_view pattern) {
    return FindWords(Read(pattern), MainList());
}

TEST(pattern_scan, scan_agrees_with_plain_comparison_on_random_patterns) {
    std::mt19937 random(20240611);
    const std::u16string_view extraSymbols = u"EASZKW ?e";
    int nonEmpty = 0;
    for (int round = 0; round < 400; ++round) {
        const int length =
            std::uniform_int_distribution(MinPatternLength, MaxPatternLength)(random);
        const Words& words = WordsByLength()[length];
        // Start from a real word so that many patterns fit something, then blur it.
        std::u16string pattern = DecodeWindows1252(words[random() % words.size()]);
        for (char16_t& symbol : pattern) {
            const unsigned roll = random() % 10;
            if (roll < 6)
                symbol = u'?';
            else if (roll == 6)
                symbol = extraSymbols[random() % extraSymbols.size()];
            else if (roll == 7)
                symbol = ToLower(std::u16string(1, symbol))[0];
        }
        SCOPED_TRACE(ToUtf8(pattern));
        const Words expected = Oracle(pattern);
        ASSERT_EQ(Scan(pattern), expected);
        ASSERT_EQ(CountWords(Read(pattern), MainList()), expected.size());
        nonEmpty += !expected.empty();
    }
    EXPECT_GT(nonEmpty, 100);  // the comparison is not only about empty results
}

TEST(pattern_scan, results_come_in_list_order) {
    const Words found = Scan(u"????????ES");
    ASSERT_GT(found.size(), 1000u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                               [](auto a, auto b) { return a.data() < b.data(); }));
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));  // our list is alphabetical
}

TEST(pattern_scan, each_length_of_the_main_list_is_in_byte_order) {
    // The scan finds the words starting with a pattern's known letters by binary search.
    for (int length = MinPatternLength; length <= MaxPatternLength; ++length)
        EXPECT_TRUE(std::is_sorted(WordsByLength()[length].begin(), WordsByLength()[length].end()))
            << length;
}

TEST(pattern_scan, largest_slice_with_two_final_letters_finds_every_fitting_word) {
    // Counted in data/LISTEDESMOTS with a script: ten-letter words ending in ES.
    EXPECT_EQ(Scan(u"????????ES").size(), 13124u);
}

TEST(pattern_scan, first_and_last_word_of_each_slice_are_found) {
    for (int length = MinPatternLength; length <= MaxPatternLength; ++length) {
        SCOPED_TRACE(length);
        const LengthSlice range = MainLengthSlice(length);
        const std::string_view first = MainList().atPosition(range.first);
        const std::string_view last = MainList().atPosition(range.last);
        EXPECT_EQ(Scan(DecodeWindows1252(first)), Words{first});
        EXPECT_EQ(Scan(DecodeWindows1252(last)), Words{last});
        // With as many leading jokers as allowed, they still open and close the results.
        for (std::string_view word : {first, last}) {
            std::u16string blurred = DecodeWindows1252(word);
            std::fill_n(blurred.begin(), *MostJokers(length), u'?');
            const Words found = Scan(blurred);
            ASSERT_FALSE(found.empty());
            EXPECT_EQ(word == first ? found.front() : found.back(), word);
        }
    }
}

TEST(pattern_scan, last_word_of_the_list_is_found_as_stored) {
    const std::string_view last = MainList()[MainList().count() - 1];
    ASSERT_EQ(last.size(), 15u);
    EXPECT_EQ(Scan(DecodeWindows1252(last)), Words{last});
}

TEST(pattern_scan, a_space_matches_nothing) {
    for (std::u16string_view pattern : {u"A B", u" ??", u"????????E ", u"ABAISSAME "}) {
        SCOPED_TRACE(ToUtf8(pattern));
        EXPECT_TRUE(Scan(pattern).empty());
    }
}

TEST(pattern_scan, lower_case_letters_are_compared_upper_cased) {
    EXPECT_EQ(Scan(u"????????es"), Scan(u"????????ES"));
    EXPECT_EQ(Scan(u"qu?"), Scan(u"QU?"));
}

TEST(pattern_scan, lengths_outside_three_to_fifteen_scan_nothing) {
    for (std::u16string_view pattern : {u"", u"A", u"??", u"????????????????"}) {
        SCOPED_TRACE(ToUtf8(pattern));
        EXPECT_TRUE(Scan(pattern).empty());
        EXPECT_EQ(CountWords(Read(pattern), MainList()), 0u);
    }
}

TEST(pattern_scan, a_list_that_disagrees_with_the_length_table_is_a_reported_failure) {
    const std::string bytes = "ABC\r\nDEFG\r\n";
    EXPECT_THROW(FindWords(Read(u"A??"), ListOfBytes(bytes)), InternalFailure);
}

}  // namespace
}  // namespace quillex
