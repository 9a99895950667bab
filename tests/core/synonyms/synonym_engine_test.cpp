#include "core/synonyms/SynonymEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/FindSynonymEntry.h"
#include "core/synonyms/FormLemmas.h"
#include "core/synonyms/HeadwordMatch.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "tests/core/synonyms/SynonymData.h"

namespace quillex {
namespace {

using Texts = std::vector<std::u16string>;

// Types a text as the tab does: browse it, then look it up.
SynonymLookupResult TypeAndLookUp(SynonymEngine& engine, std::u16string_view typed) {
    engine.browse(typed);
    return engine.lookUp(typed);
}

SynonymLookupResult TypeAndLookUp(std::u16string_view typed) {
    SynonymEngine engine(SynonymTables());
    return TypeAndLookUp(engine, typed);
}

// The synonyms of a line, split independently of the engine.
Texts SynonymsOf(std::u16string_view line) {
    Texts synonyms;
    std::u16string current;
    for (char16_t c : line.substr(line.find(u'@') + 1)) {
        if (c == u'\\') {
            synonyms.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    synonyms.push_back(current);
    return synonyms;
}

// Of a listing given by hand, the line FindHeadword takes, or "" for none.
std::string_view FoundIn(const std::vector<std::string_view>& lines, std::u16string_view typed) {
    const auto found = FindHeadword(ToLower(typed), typed, static_cast<int>(lines.size()),
                                    [&lines](int k) { return lines[k]; });
    return found ? lines[*found] : std::string_view();
}

// Each look-up path on the same typed texts: the tab (browse, then look-up in the listing) and
// the clue (the look-up without a listing) reach the same headword, through the same lemma.
TEST(synonym_engine, every_path_reaches_the_same_headword_from_each_typed_text) {
    const struct {
        std::u16string_view typed, headword, notice;
    } rows[] = {
        {u"chat", u"chat", u""},
        {u"Chat", u"chat", u""},
        {u"Terre", u"terre", u""},  // "Terre" and "terre" are two entries, both reachable
        {u"felin", u"félin", u""},
        {u"FELIN", u"félin", u""},
        {u"fenetre", u"fenêtre", u""},
        {u"theatre", u"théâtre", u""},
        {u"hopital", u"hôpital", u""},
        {u"chateau", u"château", u""},
        {u"elephant", u"éléphant", u""},
        {u"Été", u"été", u""},
        {u"ete", u"été", u""},
        {u"oeil", u"œil", u""},
        {u"OEIL", u"œil", u""},
        {u"coeur", u"cœur", u""},
        {u"manoeuvre", u"manœuvre", u""},
        {u"âgé", u"âgé", u""},  // typed exactly, each of âge and âgé is reached
        {u"âge", u"âge", u""},
        {u"age", u"âge", u""},  // else the closest: fewest characters differing
        {u"AGE", u"âge", u""},
        {u"agé", u"âgé", u""},
        {u"peche", u"pêche", u""},
        {u"péche", u"péché", u""},
        {u"chats", u"chat", u"chats → chat"},
        {u"voitures", u"voiture", u"voitures → voiture"},
        {u"Voitures", u"voiture", u"voitures → voiture"},
        {u"grandes", u"grand", u"grandes → grand"},
        {u"heureuses", u"heureux", u"heureuses → heureux"},
        {u"mangeait", u"manger", u"mangeait → manger"},
        {u"partirent", u"partir", u"partirent → partir"},
        {u"prit", u"prendre", u"prit → prendre"},
        {u"rapides", u"rapide", u"rapides → rapide"},
        {u"RAPIDES", u"rapide", u"rapides → rapide"},
    };
    for (const auto& row : rows) {
        const SynonymLookupResult result = TypeAndLookUp(row.typed);
        ASSERT_TRUE(result.found) << ToUtf8(row.typed);
        EXPECT_EQ(result.shownText, row.headword) << ToUtf8(row.typed);
        EXPECT_EQ(result.lemmaNotice, row.notice) << ToUtf8(row.typed);
        const auto entry = FindSynonymEntry(row.typed, SynonymTables());
        ASSERT_TRUE(entry) << ToUtf8(row.typed);
        EXPECT_EQ(test::ToStrings(result.synonyms), SynonymsOf(DecodeWindows1252(entry->line)))
            << ToUtf8(row.typed);
        EXPECT_EQ(entry->lemma.empty(), row.notice.empty()) << ToUtf8(row.typed);
    }
}

TEST(synonym_engine, unknown_word_shows_the_typed_text_and_the_message) {
    for (const std::u16string_view typed : {u"chatx", u"Chatx", u"co", u"a", u"1", u"  ", u"@"}) {
        const SynonymLookupResult result = TypeAndLookUp(typed);
        EXPECT_FALSE(result.found) << ToUtf8(typed);
        EXPECT_EQ(result.shownText, typed);
        EXPECT_TRUE(result.synonyms.empty());
        EXPECT_TRUE(result.lemmaNotice.empty());
        EXPECT_EQ(result.resultText, u"Pas de synonyme trouvé.");
        EXPECT_EQ(result.message, u"Pas de synonyme pour ce mot.");
        EXPECT_FALSE(FindSynonymEntry(typed, SynonymTables())) << ToUtf8(typed);
    }
}

TEST(synonym_engine, counts_the_synonyms_and_keeps_each_text_looked_up_once) {
    SynonymEngine engine(SynonymTables());
    const SynonymLookupResult chat = TypeAndLookUp(engine, u"chat");
    EXPECT_EQ(chat.resultText,
              FromUtf8(std::to_string(chat.synonyms.size())) + u" synonymes trouvés.");
    EXPECT_EQ(TypeAndLookUp(engine, u"à droite").resultText, u"Un synonyme trouvé.");
    TypeAndLookUp(engine, u"Chat");
    TypeAndLookUp(engine, u"chat");
    EXPECT_EQ(engine.history().texts(), (Texts{u"Chat", u"chat", u"à droite"}));
}

// A hand-made listing for the rule among headwords: the exact spelling, then the first lowered
// match, then the closest in look-up spelling (Windows-1252: \xE9 "é", \xE8 "è", \x9C "œ",
// \x8C "Œ").
TEST(synonym_engine, an_exact_spelling_wins_else_the_first_match_in_dictionary_order) {
    const std::vector<std::string_view> accents{"\xE9t\xE9@un", "\xE8te@deux", "\xE9te@trois"};
    EXPECT_EQ(FoundIn(accents, u"ete"), accents[1]);
    EXPECT_EQ(FoundIn(accents, u"eté"), accents[0]);
    EXPECT_EQ(FoundIn(accents, u"éte"), accents[2]);
    const std::vector<std::string_view> ligatures{
        "\x9C"
        "uf@un",
        "\x8C"
        "uf@deux"};
    EXPECT_EQ(FoundIn(ligatures, u"oeuf"), ligatures[0]);
    EXPECT_EQ(FoundIn(ligatures, u"Œuf"), ligatures[1]);
    const std::vector<std::string_view> capitals{"Chat@premier", "chat@second"};
    EXPECT_EQ(FoundIn(capitals, u"CHAT"), capitals[0]);
    EXPECT_EQ(FoundIn(capitals, u"chat"), capitals[1]);
    EXPECT_EQ(FoundIn(capitals, u"chat@"), "");
}

TEST(synonym_engine, searches_the_whole_current_listing_and_nothing_older) {
    SynonymEngine engine(SynonymTables());
    ASSERT_GT(engine.browse(u"co").size(), 1000u);
    EXPECT_TRUE(engine.lookUp(u"coyote").found);  // last listed
    engine.browse(u"chat");
    EXPECT_FALSE(engine.lookUp(u"coyote").found);
    EXPECT_TRUE(engine.lookUp(u"chat").found);
    engine.clearListing();
    EXPECT_FALSE(engine.lookUp(u"chat").found);
}

TEST(synonym_engine, a_form_gives_its_lemmas_the_form_spelt_as_typed_first) {
    const struct {
        std::u16string_view typed;
        Texts lemmas;
    } rows[] = {
        {u"voitures", {u"voiture"}},
        {u"VOITURES", {u"voiture"}},
        {u"ailles", {u"ailler", u"aller"}},
        {u"chat", {}},  // a headword itself
        {u"zzzz", {}},
        {u"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(test::ToStrings(LemmasOf(row.typed, LemmaText())), row.lemmas)
            << ToUtf8(row.typed);
}

// The build sorts the form list for its binary search and keeps only forms that reach no headword.
TEST(synonym_engine, each_form_of_the_form_list_finds_its_own_lemmas) {
    const std::string_view text = LemmaText();
    std::u16string previous;
    int checked = 0;
    for (size_t begin = 0; begin < text.size();) {
        const size_t end = std::min(text.find("\r\n", begin), text.size());
        const std::string_view line = text.substr(begin, end - begin);
        const std::u16string form = DecodeWindows1252(line.substr(0, line.find('@')));
        ASSERT_LE(previous, LookupSpelling(form)) << ToUtf8(form);
        previous = LookupSpelling(form);
        if (++checked % 97 == 0) {  // the search on a sample, for time
            const auto lemmas = LemmasOf(form, text);
            ASSERT_FALSE(lemmas.empty()) << ToUtf8(form);
            for (const std::string& lemma : lemmas)
                EXPECT_TRUE(FindHeadwordLine(DecodeWindows1252(lemma), SynonymTables()))
                    << ToUtf8(form) << " -> " << lemma;
            EXPECT_FALSE(FindHeadwordLine(form, SynonymTables())) << ToUtf8(form);
        }
        begin = end + 2;
    }
    EXPECT_EQ(checked, data::LemmaLineCount);
}

// Every headword of two or more characters, typed as stored, is listed and then found with its
// own line; typed in capitals or without accents it reaches a headword spelt the same way. One-
// character headwords are out of reach: a text that short lists nothing.
TEST(synonym_engine, every_headword_is_listed_and_found_when_typed) {
    const WordList& lines = SynonymList();
    SynonymEngine engine(SynonymTables());
    for (int i = 0; i < lines.count(); ++i) {
        const std::u16string line = DecodeWindows1252(lines[i]);
        const std::u16string headword = line.substr(0, line.find(u'@'));
        const auto listed = test::ToStrings(engine.browse(headword));
        ASSERT_NE(std::find(listed.begin(), listed.end(), headword), listed.end())
            << ToUtf8(headword);
        const SynonymLookupResult result = engine.lookUp(headword);
        ASSERT_TRUE(result.found) << ToUtf8(headword);
        ASSERT_EQ(result.shownText, ToLower(headword));
        ASSERT_EQ(test::ToStrings(result.synonyms), SynonymsOf(line)) << ToUtf8(headword);
        if (i % 5 == 0) {  // the look-up without a listing too, on a fifth of them for time
            ASSERT_EQ(FindHeadwordLine(headword, SynonymTables()), lines[i]) << ToUtf8(headword);
            for (const std::u16string& typed : {LookupSpelling(headword), ToUpper(headword)}) {
                const auto entry = FindSynonymEntry(typed, SynonymTables());
                ASSERT_TRUE(entry) << ToUtf8(typed);
                const std::string_view reached = entry->line.substr(0, entry->line.find('@'));
                ASSERT_EQ(LookupSpelling(reached), LookupSpelling(headword)) << ToUtf8(typed);
            }
        }
    }
}

}  // namespace
}  // namespace quillex
