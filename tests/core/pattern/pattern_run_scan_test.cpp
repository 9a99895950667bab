// The scan of runs and sets over the real main list, checked against a plain recursive matcher;
// the block-by-block scan and the count checked against the list the scan gives.
#include "core/pattern/PatternScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

using test::ListOfBytes;
using Words = std::vector<std::string_view>;

Pattern Read(std::u16string_view text) {
    return std::get<Pattern>(Pattern::Parse(text));
}

// What the block-by-block scan hands over, put end to end.
Words Streamed(const Pattern& pattern) {
    Words words;
    ScanWords(pattern, MainList(), [&](std::span<const std::string_view> block) {
        EXPECT_FALSE(block.empty());
        words.insert(words.end(), block.begin(), block.end());
    });
    return words;
}

// Whether one symbol of an upper-cased pattern ("?", a letter, or a bracketed set) takes `c`.
bool SymbolTakes(std::u16string_view symbol, char16_t c) {
    if (symbol == u"?") return true;
    if (symbol[0] != u'[') return symbol[0] == c;
    const bool complement = symbol[1] == u'^';
    const std::u16string_view set = symbol.substr(complement ? 2 : 1, symbol.size() - 1);
    bool in = false;
    for (size_t i = 0; i + 1 < set.size(); ++i) {  // the last character is the "]"
        if (i + 3 < set.size() && set[i + 1] == u'-') {
            in = in || (set[i] <= c && c <= set[i + 2]);
            i += 2;
        } else {
            in = in || set[i] == c;
        }
    }
    return in != complement;
}

// One symbol of the reference: a run, or the capitals it takes.
struct RefSymbol {
    bool run;
    std::array<bool, 26> takes;
};

// The reference: try every way the runs can be placed.
bool Matches(const RefSymbol* symbol, const RefSymbol* end, std::string_view word) {
    if (symbol == end) return word.empty();
    if (symbol->run)
        return Matches(symbol + 1, end, word) ||
               (!word.empty() && Matches(symbol, end, word.substr(1)));
    return !word.empty() && word[0] >= 'A' && word[0] <= 'Z' && symbol->takes[word[0] - 'A'] &&
           Matches(symbol + 1, end, word.substr(1));
}

Words Reference(std::u16string_view pattern) {
    const std::u16string upper = ToUpper(pattern);
    std::vector<RefSymbol> symbols;
    for (size_t i = 0; i < upper.size(); ++i) {
        const size_t end = upper[i] == u'[' ? upper.find(u']', i) + 1 : i + 1;
        RefSymbol symbol{upper[i] == u'*', {}};
        for (int c = 0; c < 26; ++c)
            symbol.takes[c] = SymbolTakes(std::u16string_view(upper).substr(i, end - i),
                                          static_cast<char16_t>(u'A' + c));
        symbols.push_back(symbol);
        i = end - 1;
    }
    Words found;
    for (int i = 0; i < MainList().count(); ++i) {
        const std::string_view word = MainList()[i];
        if (word.size() >= 3 && word.size() <= 15 &&
            Matches(symbols.data(), symbols.data() + symbols.size(), word))
            found.push_back(word);
    }
    return found;
}

// A pattern blurred from a real word: letters kept, or turned into jokers, sets that hold
// them or not, stray letters; runs in place of some stretches.
std::u16string RandomPattern(std::mt19937& random) {
    // The main list's words are capitals A..Z, the same in either encoding.
    const std::u16string word =
        DecodeWindows1252(MainList()[static_cast<int>(random() % MainList().count())]);
    std::u16string pattern;
    const auto letter = [&random] { return static_cast<char16_t>(u'A' + random() % 26); };
    for (size_t i = 0; i < word.size(); ++i) {
        switch (random() % 12) {
            case 0:
            case 1:
            case 2:
                pattern += u'?';
                break;
            case 3:
                pattern += u'*';
                i += random() % 4;  // the run stands for a few letters, or none
                break;
            case 4:
                pattern += u'[';
                pattern += word[i];
                pattern += letter();
                pattern += u']';
                break;
            case 5:
                pattern += u"[^";
                pattern += letter();
                pattern += u'-';
                pattern += u'Z';
                pattern += u']';
                break;
            case 6:
                pattern += letter();
                break;
            case 7:
                pattern += static_cast<char16_t>(word[i] - u'A' + u'a');
                break;
            default:
                pattern += word[i];
        }
    }
    return pattern;
}

TEST(pattern_run_scan, scan_agrees_with_a_plain_matcher_on_random_patterns) {
    std::mt19937 random(20240612);
    int withRun = 0, nonEmpty = 0;
    for (int round = 0; round < 60; ++round) {
        const std::u16string text = RandomPattern(random);
        SCOPED_TRACE(ToUtf8(text));
        const Pattern pattern = Read(text);
        const Words expected = Reference(text);
        ASSERT_EQ(FindWords(pattern, MainList()), expected);
        ASSERT_EQ(Streamed(pattern), expected);
        ASSERT_EQ(CountWords(pattern, MainList()), expected.size());
        withRun += pattern.hasRun();
        nonEmpty += !expected.empty();
    }
    EXPECT_GT(withRun, 20);  // runs and sets are both well exercised
    EXPECT_GT(nonEmpty, 12);
}

TEST(pattern_run_scan, the_issue_examples_and_window_patterns_agree) {
    for (std::u16string_view text : {u"CH*EN", u"A[EI]?", u"*ISME", u"??E?????S", u"qu?"})
        EXPECT_EQ(FindWords(Read(text), MainList()), Reference(text)) << ToUtf8(text);
    EXPECT_EQ(FindWords(Read(u"????????ES"), MainList()), Reference(u"????????ES"));
    EXPECT_EQ(FindWords(Read(u"*"), MainList()).size(),
              static_cast<size_t>(MainList().count() - MainLengthSlice(2).last));
}

TEST(pattern_run_scan, patterns_every_word_fits_are_counted_from_the_length_table) {
    for (std::u16string_view text : {u"*", u"??*", u"*????????", u"?*?", u"???", u"[A-Z]??*"}) {
        SCOPED_TRACE(ToUtf8(text));
        const Pattern pattern = Read(text);
        EXPECT_TRUE(pattern.takesEveryWord());
        EXPECT_EQ(CountWords(pattern, MainList()), Reference(text).size());
        EXPECT_EQ(Streamed(pattern), Reference(text));
    }
    for (std::u16string_view text : {u"*?*", u"?[^E]?", u"A*", u"? ?"})
        EXPECT_FALSE(Read(text).takesEveryWord()) << ToUtf8(text);
}

TEST(pattern_run_scan, lengths_stay_within_three_to_fifteen) {
    struct Row {
        std::u16string_view text;
        int first, last;
    };
    for (const Row& row : {Row{u"*", 3, 15}, Row{u"A?", 3, 2}, Row{u"??????*??????????", 16, 15},
                           Row{u"?????", 5, 5}, Row{u"A*B", 3, 15}}) {
        const PatternLengths lengths = Read(row.text).lengths();
        EXPECT_EQ(lengths.first, row.first) << ToUtf8(row.text);
        EXPECT_EQ(lengths.last, row.last) << ToUtf8(row.text);
    }
    // Two-letter words are not searched.
    EXPECT_TRUE(FindWords(Read(u"A?"), MainList()).empty());
    EXPECT_EQ(CountWords(Read(u"A?"), MainList()), 0u);
}

TEST(pattern_run_scan, a_list_that_disagrees_with_its_table_is_a_reported_failure) {
    const std::string bytes = "ABC\r\nDEFG";
    EXPECT_THROW(FindWords(Read(u"A??"), ListOfBytes(bytes)), InternalFailure);
    EXPECT_THROW(CountWords(Read(u"???"), ListOfBytes(bytes)), InternalFailure);
}

}  // namespace
}  // namespace quillex
