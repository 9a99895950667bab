#include "core/glossary/GlossaryFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ExpectRows.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

// A small glossary in the resource's own encoding (Windows-1252, CR LF).
const WordList& Sample() {
    static const std::string bytes =
        "AA: n.m. Lave.\r\n"
        "\xC7"
        "A: pron.\r\n"  // ÇA
        "CAB: n.m. Cabriolet.\r\n"
        "\xC9"
        "CU: n.m. Bouclier.\r\n"  // ÉCU
        "\xC8"
        "RE: n.f. \xC9poque.\r\n"  // ÈRE: Époque.
        "\xCE"
        "LE: n.f. Terre.\r\n"  // ÎLE
        "A\xCF"
        "E: interj.\r\n"  // AÏE
        "SANS DEUX-POINTS";
    static const WordList list = test::ListOfBytes(bytes);
    return list;
}

std::vector<std::u16string> Words(const std::vector<std::string_view>& lines) {
    std::vector<std::u16string> words;
    for (auto line : lines) words.push_back(DecodeWindows1252(GlossaryWord(line)));
    return words;
}

// The words of the sample's lines that a prefix keeps.
std::vector<std::u16string> SampleWords(std::u16string_view prefix) {
    return Words(FilterGlossary(Sample(), prefix));
}

TEST(glossary_filter, prefix_matches_the_word_with_accents_and_case_disregarded) {
    test::ExpectRows(
        SampleWords,
        {
            {u"a", {u"AA", u"AÏE"}},
            {u"ca", {u"ÇA", u"CAB"}},
            {u"ÇA", {u"ÇA", u"CAB"}},
            {u"e", {u"ÉCU", u"ÈRE"}},  // only the word counts, not "Époque" in a definition
            {u"ère", {u"ÈRE"}},
            {u"aie", {u"AÏE"}},
            {u"il", {u"ÎLE"}},
            {u"sans deux", {u"SANS DEUX-POINTS"}},  // a line without ':' is all word
            {u"cabs", {}},                          // longer than every word it could begin
            {u"x", {}},
            {u"AA:", {}},  // the ':' is not part of the word
        });
}

TEST(glossary_filter, empty_prefix_gives_every_line_unchanged) {
    const auto lines = FilterGlossary(Sample(), u"");
    ASSERT_EQ(static_cast<int>(lines.size()), Sample().count());
    for (int i = 0; i < Sample().count(); ++i) EXPECT_EQ(lines[i], Sample()[i]);
}

TEST(glossary_filter, built_in_glossary_finds_accented_words_from_bare_letters) {
    const WordList glossary = LoadWordList(GlossaryResource);
    EXPECT_EQ(FilterGlossary(glossary, u"").size(), static_cast<size_t>(glossary.count()));
    // Counted from data/MOT23LETTRES by a separate script that folds with Unicode NFD.
    const auto e = Words(FilterGlossary(glossary, u"e"));
    EXPECT_EQ(e.size(), 28u);
    EXPECT_EQ(e.front(), u"EH");
    EXPECT_NE(std::find(e.begin(), e.end(), u"ÉCU"), e.end());
    EXPECT_NE(std::find(e.begin(), e.end(), u"ÈRE"), e.end());
    EXPECT_EQ(Words(FilterGlossary(glossary, u"ca")),
              (std::vector<std::u16string>{u"ÇA", u"CAB", u"CAF", u"CAL", u"CAP", u"CAR", u"CAS"}));
    EXPECT_EQ(Words(FilterGlossary(glossary, u"am")),
              (std::vector<std::u16string>{u"ÂME", u"AMI"}));
    EXPECT_TRUE(FilterGlossary(glossary, u"zz").empty());
}

}  // namespace
}  // namespace quillex
