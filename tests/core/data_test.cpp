// Checks the built-in dictionaries against the fixed tables and the rules of their formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>
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
        {Main(), MainLengthRange(2), u"AA", u"YS"},
        {Main(), MainLengthRange(3), u"AAS", u"ZUT"},
        {Main(), MainLengthRange(9), u"ABAISSAIS", u"ZYMOTIQUE"},
        {Main(), MainLengthRange(15), u"ABANDONNASSIONS", u"ZOOTECHNICIENNE"},
        {Scrabble(), ScrabbleLengthRange(2), u"AA", u"XI"},
        {Scrabble(), ScrabbleLengthRange(3), u"AAS", u"ZUT"},
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

std::unordered_set<std::u16string_view> WordsOf(const WordList& list) {
    std::unordered_set<std::u16string_view> words;
    for (int i = 0; i < list.count(); ++i) words.insert(list[i]);
    return words;
}

TEST(data, every_scrabble_word_is_in_the_main_list) {
    const auto main = WordsOf(Main());
    for (int i = 0; i < Scrabble().count(); ++i)
        ASSERT_TRUE(main.contains(Scrabble()[i])) << ToUtf8(Scrabble()[i]);
}

TEST(data, scrabble_list_takes_the_words_french_scrabble_accepts) {
    const auto main = WordsOf(Main()), scrabble = WordsOf(Scrabble());
    // Left out, though the main list keeps them: elided forms (tagged ":F" by the lexicon),
    // abbreviations and fragments of phrases (tools/scrabble_exclusions.txt), words French
    // Scrabble does not accept, and pieces of set phrases the supplement does not take.
    for (std::u16string_view word :
         {u"QU",    u"JUSQU", u"LORSQU", u"PRESQU", u"PUISQU", u"QUELQU", u"QUOIQU",
          u"ED",    u"HAB",   u"QBIT",   u"CIRC",   u"COLL",   u"LITT",   u"SUPPL",
          u"COTAN", u"BEPO",  u"ZZZZ",   u"CDNA",   u"OP",     u"DEI",    u"LOW",
          u"NEW",   u"BAD",   u"BIG",    u"ETH",    u"HMM",    u"IDO",    u"KSS",
          u"NEC",   u"ORC",   u"VOX",    u"TSS",    u"GNU",    u"CRWTH",  u"ETC"}) {
        EXPECT_TRUE(main.contains(word)) << ToUtf8(word);
        EXPECT_FALSE(scrabble.contains(word)) << ToUtf8(word);
    }
    // Taken: the words of tools/scrabble_supplement.txt with their inflections, SEPT (the
    // numeral, not the abbreviation), and ordinary words.
    for (std::u16string_view word :
         {u"AA",       u"AAS",     u"ANTAN",    u"API",    u"APIS",      u"ASE",      u"ASES",
          u"AY",       u"AYS",     u"BA",       u"BE",     u"BERZINGUE", u"BI",       u"CAF",
          u"CATIMINI", u"DA",      u"DZO",      u"DZOS",   u"ENVI",      u"FOB",      u"HUI",
          u"IBN",      u"IN",      u"JAB",      u"JABS",   u"JEUN",      u"KA",       u"KAS",
          u"KOB",      u"KOBS",    u"LOS",      u"MOA",    u"MOAS",      u"OKA",      u"OKAS",
          u"OLA",      u"OLAS",    u"OM",       u"ONC",    u"PATATA",    u"PATATI",   u"PEC",
          u"PECS",     u"PERPETE", u"PERPETTE", u"RAD",    u"RADS",      u"REM",      u"REMS",
          u"RIF",      u"RIFS",    u"SAX",      u"SKA",    u"SKAS",      u"TAPINOIS", u"TEX",
          u"TOM",      u"TOMS",    u"TRAVIOLE", u"UDS",    u"ZEF",       u"ZEFS",     u"SEPT",
          u"CHIEN",    u"ORANGE",  u"ES",       u"ZYTHUM", u"AIE",       u"UD",       u"UNIV"}) {
        EXPECT_TRUE(main.contains(word)) << ToUtf8(word);
        EXPECT_TRUE(scrabble.contains(word)) << ToUtf8(word);
    }
}

TEST(data, main_list_takes_compounds_and_names_but_no_unit_symbol_or_web_fragment) {
    const auto main = WordsOf(Main());
    for (std::u16string_view word : {u"KM", u"CM", u"KG", u"ZBQ", u"ZCD", u"ZCI", u"HTTP", u"HTTPS",
                                     u"WWW", u"COM", u"ORG", u"TEN", u"MEN"})
        EXPECT_FALSE(main.contains(word)) << ToUtf8(word);
    // Hyphenated and apostrophe compounds as a grid writes them, and proper nouns.
    for (std::u16string_view word :
         {u"AUJOURDHUI", u"PEUTETRE", u"ARCENCIEL", u"GRANDMERE", u"QUELQUUN", u"PRESQUILE",
          u"CHEFDOEUVRE", u"CESTADIRE", u"APRESMIDI", u"RENDEZVOUS", u"PARIS", u"AFRIQUE"})
        EXPECT_TRUE(main.contains(word)) << ToUtf8(word);
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

TEST(data, synonym_list_leaves_out_placeholders_product_names_and_wrong_pairs) {
    // headword -> its synonyms
    std::unordered_map<std::u16string_view, std::vector<std::u16string_view>> entries;
    for (int i = 0; i < Synonyms().count(); ++i) {
        const auto line = Synonyms()[i];
        ASSERT_EQ(line.find(u'!'), std::u16string_view::npos) << ToUtf8(line);
        const auto at = line.find(u'@');
        auto& synonyms = entries[line.substr(0, at)];
        for (size_t start = at + 1; start <= line.size();) {
            const size_t end = std::min(line.find(u'\\', start), line.size());
            synonyms.push_back(line.substr(start, end - start));
            start = end + 1;
        }
        for (auto term : synonyms) {
            ASSERT_TRUE(std::any_of(term.begin(), term.end(), [](char16_t c) { return c > u'@'; }))
                << ToUtf8(line);  // a placeholder such as "?" holds no letter
            ASSERT_NE(term, u"LibreOffice") << ToUtf8(line);
            ASSERT_NE(term, u"OpenOffice") << ToUtf8(line);
        }
    }
    EXPECT_FALSE(entries.contains(u"LibreOffice"));
    EXPECT_FALSE(entries.contains(u"cornemuseux"));
    // Capitalised twins stay two headwords.
    EXPECT_TRUE(entries.contains(u"Terre") && entries.contains(u"terre"));
    // Pairs of tools/synonym_wrong_pairs.txt: neither word lists the other.
    const auto lists = [&](std::u16string_view headword, std::u16string_view synonym) {
        const auto it = entries.find(headword);
        return it != entries.end() &&
               std::find(it->second.begin(), it->second.end(), synonym) != it->second.end();
    };
    const std::u16string_view wrongPairs[][2] = {
        {u"coutume", u"couture"},
        {u"coutume", u"réglette"},
        {u"coutume", u"réglemente"},
        {u"coutume", u"ajuste"},
        {u"rapace", u"canalisation"},
        {u"béant", u"communicatif"},
        {u"péremptoire", u"inadmissible"},
        {u"assaillant", u"détériorant"},
        {u"avoir", u"oui"},
        {u"faire", u"affaisser"},
        {u"jour", u"tournesol"},
    };
    for (const auto& pair : wrongPairs) {
        EXPECT_FALSE(lists(pair[0], pair[1])) << ToUtf8(pair[0]) << " " << ToUtf8(pair[1]);
        EXPECT_FALSE(lists(pair[1], pair[0])) << ToUtf8(pair[1]) << " " << ToUtf8(pair[0]);
    }
    EXPECT_TRUE(lists(u"coutume", u"habitude"));
    EXPECT_TRUE(lists(u"Ave", u"salut"));
}

TEST(data, glossary_lines_give_the_right_class_and_forms) {
    const auto line = [](std::u16string_view word) {
        for (int i = 0; i < Glossary().count(); ++i)
            if (Glossary()[i].starts_with(std::u16string(word) + u": ")) return Glossary()[i];
        return std::u16string_view();
    };
    const std::u16string_view rows[][2] = {
        {u"OC", u"OC: adv. Oui"}, {u"MU", u"MU: n.m. "},
        {u"XI", u"XI: n.m. "},    {u"PI", u"PI: n.m. "},
        {u"ÊTA", u"ÊTA: n.m. "},  {u"KHI", u"KHI: n.m. "},
        {u"KSI", u"KSI: n.m. "},  {u"UD", u"UD: n.m. "},
        {u"DER", u"DER: n.f. "},  {u"CIS", u"CIS: adj."},
        {u"OUT", u"OUT: adj."},   {u"HAN", u"HAN: interj."},
        {u"FIT", u"FÎT"},         {u"BUT", u"BÛT"},
        {u"DUT", u"DÛT"},         {u"EUT", u"EÛT"},
        {u"LUT", u"LÛT"},         {u"PU", u"paître"},
        {u"ÇA", u"le ça"},        {u"WUS", u"Pluriel de WU, langue chinoise"},
    };
    for (const auto& row : rows)
        EXPECT_NE(line(row[0]).find(row[1]), std::u16string_view::npos) << ToUtf8(line(row[0]));
    EXPECT_EQ(line(u"TEL").find(u"TÉL"), std::u16string_view::npos);
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
