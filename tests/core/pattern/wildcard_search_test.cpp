// The wildcard scan over the real main list, checked against a plain recursive matcher.
#include "core/pattern/WildcardSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternSearch.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LengthRanges.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

using test::ListOfBytes;
using Words = std::vector<std::string_view>;

WildcardPattern Read(std::u16string_view text) {
    return std::get<WildcardPattern>(WildcardPattern::Parse(text));
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

TEST(wildcard_search, scan_agrees_with_a_plain_matcher_on_random_patterns) {
    std::mt19937 random(20240612);
    int withRun = 0, nonEmpty = 0;
    for (int round = 0; round < 60; ++round) {
        const std::u16string text = RandomPattern(random);
        SCOPED_TRACE(ToUtf8(text));
        const WildcardPattern pattern = Read(text);
        const Words expected = Reference(text);
        ASSERT_EQ(ScanWildcard(pattern, MainList()), expected);
        withRun += pattern.hasRun();
        nonEmpty += !expected.empty();
    }
    EXPECT_GT(withRun, 20);  // runs and sets are both well exercised
    EXPECT_GT(nonEmpty, 12);
}

TEST(wildcard_search, the_issue_examples_and_window_patterns_agree) {
    for (std::u16string_view text : {u"CH*EN", u"A[EI]?", u"*ISME", u"??E?????S", u"qu?"})
        EXPECT_EQ(ScanWildcard(Read(text), MainList()), Reference(text)) << ToUtf8(text);
    EXPECT_EQ(ScanWildcard(Read(u"????????ES"), MainList()),
              ScanPattern(10, u"????????ES", MainList()));
    EXPECT_EQ(ScanWildcard(Read(u"*"), MainList()).size(),
              static_cast<size_t>(MainList().count() - MainLengthRange(2).last));
}

TEST(wildcard_search, lengths_stay_within_three_to_fifteen) {
    struct Row {
        std::u16string_view text;
        int first, last;
    };
    for (const Row& row : {Row{u"*", 3, 15}, Row{u"A?", 3, 2}, Row{u"??????*??????????", 16, 15},
                           Row{u"?????", 5, 5}, Row{u"A*B", 3, 15}}) {
        const WildcardLengths lengths = LengthsOf(Read(row.text));
        EXPECT_EQ(lengths.first, row.first) << ToUtf8(row.text);
        EXPECT_EQ(lengths.last, row.last) << ToUtf8(row.text);
    }
    // Two-letter words are not searched.
    EXPECT_TRUE(ScanWildcard(Read(u"A?"), MainList()).empty());
}

TEST(wildcard_search, a_list_that_disagrees_with_its_table_is_a_reported_failure) {
    const std::string bytes = "ABC\r\nDEFG";
    EXPECT_THROW(ScanWildcard(Read(u"A??"), ListOfBytes(bytes)), InternalFailure);
}

}  // namespace
}  // namespace quillex
