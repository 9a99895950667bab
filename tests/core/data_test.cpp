// Checks the built-in dictionaries against the fixed tables and the rules of their formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "text/Text.h"
#include "wordlists/DataTables.h"
#include "wordlists/LengthRanges.h"
#include "wordlists/LoadWordList.h"
#include "wordlists/SynonymLetterTables.h"

namespace quillex {
namespace {

const WordList& Main() {
    static const WordList list = LoadWordList("LISTEDESMOTS", 101);
    return list;
}
const WordList& Scrabble() {
    static const WordList list = LoadWordList("LISTESCRAB", 102);
    return list;
}
const WordList& Synonyms() {
    static const WordList list = LoadWordList("LISTESYNONYMES", 103);
    return list;
}
const WordList& Glossary() {
    static const WordList list = LoadWordList("MOT23LETTRES", 104);
    return list;
}

bool CapitalsOnly(std::u16string_view word) {
    return std::all_of(word.begin(), word.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; });
}

bool HasNulOrIsEmpty(const WordList& list) {
    for (int i = 0; i < list.count(); ++i)
        if (list[i].empty() || list[i].find(u'\0') != std::u16string_view::npos) return true;
    return false;
}

// Headwords compare with accents and case ignored, æ/œ as ae/oe, hyphens and apostrophes
// ignored, and a space before any letter.
std::u16string DictionaryKey(std::u16string_view headword) {
    static const std::u16string_view from = u"àâäáãåçéèêëíìîïñóòôöõúùûüýÿ";
    static const std::u16string_view to = u"aaaaaaceeeeiiiinooooouuuuyy";
    std::u16string key;
    for (char16_t c : ToLower(headword)) {
        if (c == u'-' || c == u'\'') continue;
        if (c == u'œ')
            key += u"oe";
        else if (c == u'æ')
            key += u"ae";
        else if (auto at = from.find(c); at != std::u16string_view::npos)
            key += to[at];
        else
            key += c;
    }
    return key;
}

TEST(data, every_list_agrees_with_its_fixed_tables) {
    EXPECT_EQ(CheckAgainstTables(MainListResource, Main()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(ScrabbleListResource, Scrabble()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(SynonymListResource, Synonyms()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(GlossaryResource, Glossary()), std::nullopt);
}

TEST(data, length_slices_cover_each_list_exactly_and_hold_only_their_length) {
    struct Row {
        const WordList& list;
        int lowest, highest;
        LengthRange (*range)(int);
    };
    for (const Row& row :
         {Row{Main(), MinMainLength, MaxMainLength, MainLengthRange},
          Row{Scrabble(), MinScrabbleLength, MaxScrabbleLength, ScrabbleLengthRange}}) {
        int expectedFirst = 1;
        for (int length = row.lowest; length <= row.highest; ++length) {
            const LengthRange slice = row.range(length);
            EXPECT_EQ(slice.length, length);
            EXPECT_EQ(slice.first, expectedFirst) << length;
            for (int p = slice.first; p <= slice.last; ++p)
                ASSERT_EQ(row.list.atPosition(p).size(), size_t(length)) << "position " << p;
            expectedFirst = slice.last + 1;
        }
        EXPECT_EQ(expectedFirst - 1, row.list.count());
    }
}

TEST(data, first_and_last_words_of_sample_slices) {
    struct Row {
        const WordList& list;
        LengthRange slice;
        std::u16string_view first, last;
    };
    const Row rows[] = {
        {Main(), MainLengthRange(2), u"AA", u"ZW"},
        {Main(), MainLengthRange(3), u"ABA", u"ZWH"},
        {Main(), MainLengthRange(9), u"ABAISSAIS", u"ZYMOTIQUE"},
        {Main(), MainLengthRange(15), u"ABANDONNASSIONS", u"ZOOTECHNICIENNE"},
        {Scrabble(), ScrabbleLengthRange(2), u"AH", u"XI"},
        {Scrabble(), ScrabbleLengthRange(9), u"ABAISSAIS", u"ZYMOTIQUE"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.list.atPosition(row.slice.first), row.first);
        EXPECT_EQ(row.list.atPosition(row.slice.last), row.last);
    }
}

TEST(data, word_lists_are_distinct_capitals_sorted_by_length_then_alphabet) {
    for (const WordList* list : {&Main(), &Scrabble()}) {
        for (int i = 0; i < list->count(); ++i) {
            ASSERT_TRUE(CapitalsOnly((*list)[i])) << i;
            if (i == 0) continue;
            const auto a = (*list)[i - 1], b = (*list)[i];
            ASSERT_TRUE(a.size() < b.size() || (a.size() == b.size() && a < b)) << i;
        }
    }
}

TEST(data, every_scrabble_word_is_in_the_main_list_and_units_are_not_scrabble_words) {
    std::unordered_set<std::u16string_view> main;
    for (int i = 0; i < Main().count(); ++i) main.insert(Main()[i]);
    std::unordered_set<std::u16string_view> scrabble;
    for (int i = 0; i < Scrabble().count(); ++i) {
        ASSERT_TRUE(main.contains(Scrabble()[i])) << ToUtf8(Scrabble()[i]);
        scrabble.insert(Scrabble()[i]);
    }
    for (auto unit : {u"KM", u"CM", u"KG", u"ETC"}) EXPECT_FALSE(scrabble.contains(unit));
    for (auto word : {u"CHIEN", u"ORANGE", u"ES", u"ZYTHUM", u"AIE"})
        EXPECT_TRUE(scrabble.contains(word));
    for (auto name : {u"PARIS", u"AFRIQUE", u"KM"}) EXPECT_TRUE(main.contains(name));
}

TEST(data, no_element_is_empty_or_holds_a_zero_character) {
    for (const WordList* list : {&Main(), &Scrabble(), &Synonyms(), &Glossary()})
        EXPECT_FALSE(HasNulOrIsEmpty(*list));
}

TEST(data, synonym_lines_have_one_at_sign_and_no_empty_synonym) {
    for (int i = 0; i < Synonyms().count(); ++i) {
        const auto line = Synonyms()[i];
        const auto at = line.find(u'@');
        ASSERT_NE(at, std::u16string_view::npos) << i;
        ASSERT_GE(at, 2u) << i;  // a one-letter headword could never be looked up
        ASSERT_EQ(line.find(u'@', at + 1), std::u16string_view::npos) << i;
        const std::u16string rest(line.substr(at + 1));
        ASSERT_FALSE(rest.empty()) << i;
        ASSERT_EQ(rest.find(u"\\\\"), std::u16string::npos) << i;
        ASSERT_NE(rest.front(), u'\\') << i;
        ASSERT_NE(rest.back(), u'\\') << i;
    }
}

TEST(data, synonym_lines_are_in_dictionary_order_and_cut_by_first_letter) {
    SynonymLetterTables tables;
    tables.fill(Synonyms());
    std::u16string previous;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const auto& table = tables.table(letter);
        EXPECT_EQ(table.size(), data::SynonymGroupSizes[letter - u'a']);
        for (int j = 1; j <= table.size(); ++j) {
            const auto line = table.entry(j);
            const std::u16string key = DictionaryKey(line.substr(0, line.find(u'@')));
            ASSERT_EQ(key.front(), letter) << ToUtf8(line);
            ASSERT_LE(previous, key) << ToUtf8(line);
            previous = key;
        }
    }
}

TEST(data, sample_lines_of_each_list) {
    SynonymLetterTables tables;
    tables.fill(Synonyms());
    EXPECT_EQ(tables.table(u'a').entry(1), u"à cause@par\\dans\\pour");
    EXPECT_EQ(tables.table(u'z').entry(tables.table(u'z').size()), u"zythum@bière\\cervoise");
    std::unordered_set<std::u16string_view> lines;
    for (int i = 0; i < Synonyms().count(); ++i) lines.insert(Synonyms()[i]);
    EXPECT_TRUE(lines.contains(u"île@îlot\\atoll\\archipel"));
    EXPECT_TRUE(lines.contains(u"Afrique@continent\\terre"));
    EXPECT_TRUE(lines.contains(u"étoilé@constellé\\agrémenté\\brillant\\orné\\parsemé\\semé"));

    // Glossary words keep their accents, and sort with them disregarded.
    std::vector<std::u16string_view> words;
    for (int i = 0; i < Glossary().count(); ++i)
        words.push_back(Glossary()[i].substr(0, Glossary()[i].find(u':')));
    for (std::u16string_view word : {u"ÇA", u"ÂGE", u"AÏE", u"ÉPI"})
        EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << ToUtf8(word);
    const auto at = [&](std::u16string_view word) {
        return std::find(words.begin(), words.end(), word);
    };
    EXPECT_LT(at(u"BU"), at(u"ÇA"));
    EXPECT_LT(at(u"ÇA"), at(u"CE"));
}

TEST(data, glossary_holds_the_short_scrabble_words_two_letters_first) {
    const WordList& glossary = Glossary();
    ASSERT_EQ(glossary.count(), data::GlossaryLineCount);
    const LengthRange two = ScrabbleLengthRange(2), three = ScrabbleLengthRange(3);
    EXPECT_EQ(glossary.count(), three.last);
    EXPECT_EQ(data::GlossaryTwoLetterCount, two.last);
    for (int i = 0; i < glossary.count(); ++i) {
        const auto line = glossary[i];
        const auto colon = line.find(u": ");
        ASSERT_NE(colon, std::u16string_view::npos) << ToUtf8(line);
        ASSERT_EQ(colon, i < two.last ? 2u : 3u) << ToUtf8(line);
        ASSERT_GT(line.size(), colon + 2) << ToUtf8(line);
        EXPECT_EQ(ToUpper(line.substr(0, colon)), line.substr(0, colon));
        EXPECT_EQ(DictionaryKey(line.substr(0, colon)), ToLower(Scrabble()[i])) << ToUtf8(line);
    }
}

}  // namespace
}  // namespace quillex
