// Checks the built-in dictionaries against the fixed tables and the rules of their formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/text/Text.h"
#include "core/wordlists/DataTables.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/SynonymLetterTables.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

bool CapitalsOnly(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool HasNulOrIsEmpty(const WordList& list) {
    for (int i = 0; i < list.count(); ++i)
        if (list[i].empty() || list[i].find('\0') != std::string_view::npos) return true;
    return false;
}

// A line of a list, decoded from its Windows-1252 bytes.
std::u16string Line(const WordList& list, int i) {
    return DecodeWindows1252(list[i]);
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
    EXPECT_EQ(CheckAgainstTables(MainListResource, MainList()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(ScrabbleListResource, ScrabbleList()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(SynonymListResource, SynonymList()), std::nullopt);
    EXPECT_EQ(CheckAgainstTables(GlossaryResource, GlossaryList()), std::nullopt);
}

TEST(data, length_slices_cover_each_list_exactly_and_hold_only_their_length) {
    struct Row {
        const WordList& list;
        int lowest, highest;
        LengthSlice (*sliceOf)(int);
    };
    for (const Row& row :
         {Row{MainList(), MinMainLength, MaxMainLength, MainLengthSlice},
          Row{ScrabbleList(), MinScrabbleLength, MaxScrabbleLength, ScrabbleLengthSlice}}) {
        int expectedFirst = 1;
        for (int length = row.lowest; length <= row.highest; ++length) {
            const LengthSlice slice = row.sliceOf(length);
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
        LengthSlice slice;
        std::string_view first, last;
    };
    const Row rows[] = {
        {MainList(), MainLengthSlice(2), "AA", "YS"},
        {MainList(), MainLengthSlice(3), "AAR", "ZUT"},
        {MainList(), MainLengthSlice(9), "AALENIENS", "ZYMOTIQUE"},
        {MainList(), MainLengthSlice(15), "ABANDONNASSIONS", "ZOOTECHNICIENNE"},
        {ScrabbleList(), ScrabbleLengthSlice(2), "AA", "XI"},
        {ScrabbleList(), ScrabbleLengthSlice(3), "AAS", "ZUT"},
        {ScrabbleList(), ScrabbleLengthSlice(9), "AALENIENS", "ZYMOTIQUE"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.list.atPosition(row.slice.first), row.first);
        EXPECT_EQ(row.list.atPosition(row.slice.last), row.last);
    }
}

TEST(data, word_lists_are_distinct_capitals_sorted_by_length_then_alphabet) {
    for (const WordList* list : {&MainList(), &ScrabbleList()}) {
        for (int i = 0; i < list->count(); ++i) {
            ASSERT_TRUE(CapitalsOnly((*list)[i])) << i;
            if (i == 0) continue;
            const auto a = (*list)[i - 1], b = (*list)[i];
            ASSERT_TRUE(a.size() < b.size() || (a.size() == b.size() && a < b)) << i;
        }
    }
}

std::unordered_set<std::string_view> WordsOf(const WordList& list) {
    std::unordered_set<std::string_view> words;
    for (int i = 0; i < list.count(); ++i) words.insert(list[i]);
    return words;
}

TEST(data, every_scrabble_word_is_in_the_main_list) {
    const auto main = WordsOf(MainList());
    for (int i = 0; i < ScrabbleList().count(); ++i)
        ASSERT_TRUE(main.contains(ScrabbleList()[i])) << ScrabbleList()[i];
}

TEST(data, scrabble_list_takes_the_words_french_scrabble_accepts) {
    const auto main = WordsOf(MainList()), scrabble = WordsOf(ScrabbleList());
    // Left out, though the main list keeps them: elided forms (tagged ":F" by the lexicon),
    // fragments of phrases (tools/scrabble_exclusions.txt), words French Scrabble does not
    // accept, and pieces of set phrases the supplement does not take.
    for (std::string_view word :
         {"QU",   "JUSQU", "LORSQU", "PRESQU", "PUISQU", "QUELQU", "QUOIQU", "BEPO",  "ZZZZ",
          "CDNA", "OP",    "DEI",    "LOW",    "NEW",    "BAD",    "BIG",    "ETH",   "HMM",
          "IDO",  "KSS",   "NEC",    "ORC",    "VOX",    "TSS",    "GNU",    "CRWTH", "ETC"}) {
        EXPECT_TRUE(main.contains(word)) << word;
        EXPECT_FALSE(scrabble.contains(word)) << word;
    }
    // Taken: the words of tools/scrabble_supplement.txt with their inflections, SEPT (the
    // numeral, not the abbreviation), and ordinary words.
    for (std::string_view word :
         {"AA",     "AAS",  "ANTAN",    "API",       "APIS",     "ASE",  "ASES",     "AY",
          "AYS",    "BA",   "BE",       "BERZINGUE", "BI",       "CAF",  "CATIMINI", "DA",
          "DZO",    "DZOS", "ENVI",     "FOB",       "HUI",      "IBN",  "IN",       "JAB",
          "JABS",   "JEUN", "KA",       "KAS",       "KOB",      "KOBS", "LOS",      "MOA",
          "MOAS",   "OKA",  "OKAS",     "OLA",       "OLAS",     "OM",   "ONC",      "PATATA",
          "PATATI", "PEC",  "PECS",     "PERPETE",   "PERPETTE", "RAD",  "RADS",     "REM",
          "REMS",   "RIF",  "RIFS",     "SAX",       "SKA",      "SKAS", "TAPINOIS", "TEX",
          "TOM",    "TOMS", "TRAVIOLE", "UDS",       "ZEF",      "ZEFS", "SEPT",     "CHIEN",
          "ORANGE", "ES",   "ZYTHUM",   "AIE",       "UD",       "UNIV"}) {
        EXPECT_TRUE(main.contains(word)) << word;
        EXPECT_TRUE(scrabble.contains(word)) << word;
    }
}

TEST(data, scrabble_list_follows_the_official_lists_changes) {
    const auto main = WordsOf(MainList()), scrabble = WordsOf(ScrabbleList());
    struct Row {
        std::string_view word;
        bool inScrabble;  // every row is a form of the main list
    };
    const Row rows[] = {
        // Removed by the official list, with their inflections (tools/scrabble_removals.txt).
        {"NEGRE", false},
        {"NEGRES", false},
        {"NEGRESSE", false},
        {"NEGRO", false},
        {"NEGROS", false},
        {"ASIATE", false},
        {"BOCHES", false},
        {"GOUINE", false},
        {"PEDE", false},
        {"ROMANO", false},
        {"SCHLEUE", false},
        {"TRAVELOS", false},
        {"YOUPINE", false},
        {"TARLOUZE", false},
        // Prefixed units the lexicon makes up, and those the official list has.
        {"ZEPTOWATT", false},
        {"PETALUMEN", false},
        {"EXAOHM", false},
        {"ATTOMOLE", false},
        {"DECALUX", false},
        {"GIGAOHM", false},
        {"MEGAOHM", false},
        {"PICOLUX", false},
        {"PETALITRE", false},
        {"KILOWATT", true},
        {"MEGAHERTZ", true},
        {"NANOMETRE", true},
        {"PETAWATT", true},
        {"WATT", true},
        {"LUX", true},
        {"MEGOHM", true},
        // Regional and recent headwords, with inflections and conjugations.
        {"CHENIT", true},
        {"PANOSSER", true},
        {"PANOSSAIS", true},
        {"GOUILLE", true},
        {"POUTZER", true},
        {"CHENI", true},
        {"BABICHE", true},
        {"CIPAILLE", true},
        {"BECOSSE", true},
        {"SLOCHE", true},
        {"GARROCHER", true},
        {"GARROCHA", true},
        {"TOUBAB", true},
        {"BOGOLAN", true},
        {"YASSA", true},
        {"MAFE", true},
        {"DOLO", true},
        {"GARI", true},
        {"NDOLE", true},
        {"PONOR", true},
        {"SALAMBO", true},
        {"ALUMNI", true},
        {"MANUL", true},
        {"ABAYA", true},
        {"ABAYAS", true},
        {"ZUCCHINI", true},
        {"DEBUGUAIT", true},
        {"TWEETAMES", true},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(main.contains(row.word)) << row.word;
        EXPECT_EQ(scrabble.contains(row.word), row.inScrabble) << row.word;
    }
}

TEST(data, main_list_takes_grid_classics_but_no_abbreviation_of_a_word) {
    const auto main = WordsOf(MainList()), scrabble = WordsOf(ScrabbleList());
    for (std::string_view word :
         {"ARNO",      "ISAR",        "NEVA",     "KAMA", "DUERO", "AJAX", "DIDON",
          "ESAU",      "SEM",         "NAXOS",    "ENNA", "SUSE",  "UR",   "AFORTIORI",
          "ADLIBITUM", "TOUTDESUITE", "ALAVOLEE", "ONU",  "TGV",   "SNCF", "XIV"})
        EXPECT_TRUE(main.contains(word)) << word;
    for (std::string_view word : {"HAB", "ENV", "AVR", "NOV", "OCT", "PTS", "REF", "FIG", "CIT",
                                  "QBIT", "CIRC", "COLL", "LITT", "SUPPL", "COTAN"}) {
        EXPECT_FALSE(main.contains(word)) << word;
        EXPECT_FALSE(scrabble.contains(word)) << word;
    }
}

TEST(data, main_list_takes_compounds_and_names_but_no_unit_symbol_or_web_fragment) {
    const auto main = WordsOf(MainList());
    for (std::string_view word :
         {"KM", "CM", "KG", "ZBQ", "ZCD", "ZCI", "HTTP", "HTTPS", "WWW", "ORG", "TEN", "MEN"})
        EXPECT_FALSE(main.contains(word)) << word;
    // Hyphenated and apostrophe compounds as a grid writes them, and proper nouns.
    for (std::string_view word :
         {"AUJOURDHUI", "PEUTETRE", "ARCENCIEL", "GRANDMERE", "QUELQUUN", "PRESQUILE",
          "CHEFDOEUVRE", "CESTADIRE", "APRESMIDI", "RENDEZVOUS", "PARIS", "AFRIQUE"})
        EXPECT_TRUE(main.contains(word)) << word;
}

TEST(data, no_element_is_empty_or_holds_a_zero_character) {
    for (const WordList* list : {&MainList(), &ScrabbleList(), &SynonymList(), &GlossaryList()})
        EXPECT_FALSE(HasNulOrIsEmpty(*list));
}

TEST(data, synonym_lines_have_one_at_sign_and_no_empty_synonym) {
    for (int i = 0; i < SynonymList().count(); ++i) {
        const auto line = Line(SynonymList(), i);
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
    tables.fill(SynonymList());
    std::u16string previous;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const auto& table = tables.table(letter);
        EXPECT_EQ(table.size(), data::SynonymGroupSizes[letter - u'a']);
        for (int j = 1; j <= table.size(); ++j) {
            const auto line = DecodeWindows1252(table.entry(j));
            const std::u16string key = DictionaryKey(line.substr(0, line.find(u'@')));
            ASSERT_EQ(key.front(), letter) << ToUtf8(line);
            ASSERT_LE(previous, key) << ToUtf8(line);
            previous = key;
        }
    }
}

TEST(data, sample_lines_of_each_list) {
    SynonymLetterTables tables;
    tables.fill(SynonymList());
    EXPECT_EQ(DecodeWindows1252(tables.table(u'a').entry(1)), u"à cause@par\\dans\\pour");
    EXPECT_EQ(DecodeWindows1252(tables.table(u'z').entry(tables.table(u'z').size())),
              u"zythum@bière\\cervoise");
    std::unordered_set<std::u16string> lines;
    for (int i = 0; i < SynonymList().count(); ++i) lines.insert(Line(SynonymList(), i));
    EXPECT_TRUE(lines.contains(u"île@îlot\\atoll\\archipel"));
    EXPECT_TRUE(lines.contains(u"Afrique@continent\\terre"));
    EXPECT_TRUE(lines.contains(u"étoilé@constellé\\agrémenté\\brillant\\orné\\parsemé\\semé"));

    // Glossary words keep their accents, and sort with them disregarded.
    std::vector<std::u16string> words;
    for (int i = 0; i < GlossaryList().count(); ++i)
        words.push_back(Line(GlossaryList(), i).substr(0, Line(GlossaryList(), i).find(u':')));
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
    std::vector<std::u16string> lines;  // decoded once, before any view of them is taken
    for (int i = 0; i < SynonymList().count(); ++i) lines.push_back(Line(SynonymList(), i));
    for (const std::u16string_view line : lines) {
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
        for (int i = 0; i < GlossaryList().count(); ++i)
            if (Line(GlossaryList(), i).starts_with(std::u16string(word) + u": "))
                return Line(GlossaryList(), i);
        return std::u16string();
    };
    const std::u16string_view rows[][2] = {
        {u"OC", u"OC: adv. Oui"},
        {u"MU", u"MU: n.m. "},
        {u"XI", u"XI: n.m. "},
        {u"PI", u"PI: n.m. "},
        {u"ÊTA", u"ÊTA: n.m. "},
        {u"KHI", u"KHI: n.m. "},
        {u"KSI", u"KSI: n.m. "},
        {u"UD", u"UD: n.m. "},
        {u"DER", u"DER: n.f. "},
        {u"CIS", u"CIS: adj."},
        {u"OUT", u"OUT: adj."},
        {u"HAN", u"HAN: interj."},
        {u"FIT", u"FÎT"},
        {u"BUT", u"BÛT"},
        {u"DUT", u"DÛT"},
        {u"EUT", u"EÛT"},
        {u"LUT", u"LÛT"},
        {u"PU", u"paître"},
        {u"ÇA", u"le ça"},
        {u"WUS", u"Pluriel de WU, langue chinoise"},
        {u"NU", u"alphabet grec"},
        {u"BI", u"grand bi"},
        {u"MIT", u"MÎT, subjonctif imparfait"},
        {u"PIS", u"pluriel de PI"},
        {u"FOL", u"devant un nom masculin commençant par une voyelle"},
        {u"FUT", u"FÛT, subjonctif imparfait"},
        {u"PU", u"paître (fauconnerie)"},
        {u"CUT", u"CUT: n.m. "},
        {u"TÔ", u"TÔ: n.m. "},
    };
    for (const auto& row : rows)
        EXPECT_NE(line(row[0]).find(row[1]), std::u16string_view::npos) << ToUtf8(line(row[0]));
    EXPECT_EQ(line(u"TEL").find(u"TÉL"), std::u16string_view::npos);
}

TEST(data, short_words_of_the_official_list_are_taken_with_their_glossary_line) {
    const auto scrabble = WordsOf(ScrabbleList());
    std::unordered_set<std::u16string> glossed;
    for (int i = 0; i < GlossaryList().count(); ++i) {
        const auto line = Line(GlossaryList(), i);
        glossed.insert(DictionaryKey(line.substr(0, line.find(u':'))));
    }
    for (std::string_view word :
         {"TO",  "CUT", "FOG", "RIO", "DEM", "ZUP", "ADA", "ASA", "BOG", "CIF", "DAW",
          "DIN", "GOS", "HUN", "IBO", "ISO", "IXA", "IXE", "KOP", "KWA", "LEM", "MAO",
          "MEO", "MOS", "MOX", "NAY", "NIF", "OYE", "RAC", "ROS", "UTE", "YAM"}) {
        EXPECT_TRUE(scrabble.contains(word)) << word;
        EXPECT_TRUE(glossed.contains(ToLower(DecodeWindows1252(word)))) << word;
    }
}

TEST(data, glossary_holds_the_short_scrabble_words_two_letters_first) {
    const WordList& glossary = GlossaryList();
    ASSERT_EQ(glossary.count(), data::GlossaryLineCount);
    const LengthSlice two = ScrabbleLengthSlice(2), three = ScrabbleLengthSlice(3);
    EXPECT_EQ(glossary.count(), three.last);
    EXPECT_EQ(data::GlossaryTwoLetterCount, two.last);
    for (int i = 0; i < glossary.count(); ++i) {
        const auto line = Line(glossary, i);
        const auto colon = line.find(u": ");
        ASSERT_NE(colon, std::u16string_view::npos) << ToUtf8(line);
        ASSERT_EQ(colon, i < two.last ? 2u : 3u) << ToUtf8(line);
        ASSERT_GT(line.size(), colon + 2) << ToUtf8(line);
        EXPECT_EQ(ToUpper(line.substr(0, colon)), line.substr(0, colon));
        EXPECT_EQ(DictionaryKey(line.substr(0, colon)), ToLower(Line(ScrabbleList(), i)))
            << ToUtf8(line);
    }
}

}  // namespace
}  // namespace quillex
