#include "core/synonyms/SynonymLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SynonymData.h"
#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/FindSynonymEntry.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

using Texts = std::vector<std::u16string>;

// Types a text as the tab does: browse its lower-cased form, then look it up.
SynonymLookupResult TypeAndLookUp(std::u16string_view typed, LookupHistory& history) {
    const std::u16string word = ToLower(typed);
    ListedEntries entries;
    BrowseHeadwords(word, SynonymTables(), entries);
    return SynonymLookup(word, typed, entries, history);
}

SynonymLookupResult TypeAndLookUp(std::u16string_view typed) {
    LookupHistory history;
    return TypeAndLookUp(typed, history);
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

TEST(synonym_lookup, found_word_shows_its_headword_and_all_synonyms) {
    const SynonymLookupResult result = TypeAndLookUp(u"chat");
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.shownText, u"chat");
    EXPECT_EQ(test::ToStrings(result.synonyms),
              (Texts{u"félin", u"matou", u"chaton", u"minou", u"minet", u"mistigri", u"félinne",
                     u"chatonne", u"minette", u"minoune", u"féline"}));
    EXPECT_EQ(result.resultText, u"11 synonymes trouvés.");
    EXPECT_TRUE(result.message.empty());
}

TEST(synonym_lookup, a_single_synonym_has_its_own_text) {
    const SynonymLookupResult result = TypeAndLookUp(u"à droite");
    EXPECT_EQ(test::ToStrings(result.synonyms), (Texts{u"hue"}));
    EXPECT_EQ(result.resultText, u"Un synonyme trouvé.");
}

TEST(synonym_lookup, a_long_line_is_listed_whole_with_its_true_count) {
    const SynonymLookupResult result = TypeAndLookUp(u"trouble");
    ASSERT_EQ(result.synonyms.size(), 186u);
    EXPECT_EQ(result.synonyms.front(), "anarchique");
    EXPECT_EQ(result.synonyms.back(), "intimide");
    EXPECT_EQ(result.resultText, u"186 synonymes trouvés.");
}

TEST(synonym_lookup, unknown_word_shows_the_typed_text_and_the_message) {
    for (const std::u16string_view typed : {u"chatx", u"Chatx", u"co", u"a", u"1", u"  "}) {
        const SynonymLookupResult result = TypeAndLookUp(typed);
        EXPECT_FALSE(result.found) << ToUtf8(typed);
        EXPECT_EQ(result.shownText, typed);
        EXPECT_TRUE(result.synonyms.empty());
        EXPECT_EQ(result.resultText, u"Pas de synonyme trouvé.");
        EXPECT_EQ(result.message, u"Pas de synonyme pour ce mot.");
        EXPECT_FALSE(FindSynonymEntry(typed, SynonymTables())) << ToUtf8(typed);
    }
}

TEST(synonym_lookup, capitalised_text_finds_the_word_and_joins_the_history_itself) {
    LookupHistory history;
    const SynonymLookupResult capital = TypeAndLookUp(u"Chat", history);
    EXPECT_TRUE(capital.found);
    EXPECT_EQ(capital.shownText, u"chat");
    EXPECT_EQ(capital.synonyms, TypeAndLookUp(u"chat").synonyms);
    TypeAndLookUp(u"chat", history);
    EXPECT_EQ(history.texts(), (Texts{u"Chat", u"chat"}));
}

TEST(synonym_lookup, headwords_differing_in_case_are_each_reachable) {
    const SynonymLookupResult capital = TypeAndLookUp(u"Terre");
    const SynonymLookupResult small = TypeAndLookUp(u"terre");
    EXPECT_EQ(test::ToStrings(capital.synonyms),
              SynonymsOf(DecodeWindows1252(test::LineOf(u"Terre"))));
    EXPECT_EQ(test::ToStrings(small.synonyms),
              SynonymsOf(DecodeWindows1252(test::LineOf(u"terre"))));
    EXPECT_NE(capital.synonyms, small.synonyms);
    EXPECT_EQ(capital.shownText, u"terre");
    // The look-up without a listing finds the same lines, whether by spelling, by the first
    // lowered match or by the fold, and finds nothing where the listing does not help.
    for (std::u16string_view typed : {u"Terre", u"terre", u"TERRE", u"Été", u"ÉTÉ", u"Chat",
                                      u"oeil", u"Etoile", u"ile", u"ete", u"coeur"}) {
        const auto line = FindSynonymEntry(typed, SynonymTables());
        const SynonymLookupResult listed = TypeAndLookUp(typed);
        ASSERT_EQ(line.has_value(), listed.found) << ToUtf8(typed);
        if (line) {
            EXPECT_EQ(SynonymsOf(DecodeWindows1252(*line)), test::ToStrings(listed.synonyms))
                << ToUtf8(typed);
        }
    }
}

TEST(synonym_lookup, a_text_without_accent_or_ligature_finds_its_only_headword) {
    struct Row {
        std::u16string_view typed, headword;
    };
    const Row rows[] = {{u"oeil", u"œil"},          {u"OEIL", u"œil"},   {u"etoile", u"étoile"},
                        {u"etoilé", u"étoilé"},     {u"ile", u"île"},    {u"coeur", u"cœur"},
                        {u"soeur", u"sœur"},        {u"boeuf", u"bœuf"}, {u"noeud", u"nœud"},
                        {u"manoeuvre", u"manœuvre"}};
    for (const Row& row : rows) {
        const SynonymLookupResult result = TypeAndLookUp(row.typed);
        ASSERT_TRUE(result.found) << ToUtf8(row.typed);
        EXPECT_EQ(result.shownText, row.headword) << ToUtf8(row.typed);
        EXPECT_EQ(test::ToStrings(result.synonyms),
                  SynonymsOf(DecodeWindows1252(test::LineOf(row.headword))))
            << ToUtf8(row.typed);
    }
}

TEST(synonym_lookup, a_folded_text_naming_two_headwords_finds_neither) {
    // Lines are Windows-1252 bytes: \xE9 "é", \xE8 "è", \x9C "œ", \x8C "Œ".
    const ListedEntries entries{"\xE9te@un", "\xE8te@deux"};
    LookupHistory history;
    EXPECT_FALSE(SynonymLookup(u"ete", u"ete", entries, history).found);
    EXPECT_EQ(test::ToStrings(SynonymLookup(u"ète", u"ète", entries, history).synonyms),
              (Texts{u"deux"}));
    const ListedEntries twoFolds{"\x9Cuf@un", "\x8Cuf@deux"};
    EXPECT_FALSE(SynonymLookup(u"oeuf", u"oeuf", twoFolds, history).found);
    EXPECT_EQ(test::ToStrings(SynonymLookup(u"œuf", u"Œuf", twoFolds, history).synonyms),
              (Texts{u"deux"}));
}

TEST(synonym_lookup, without_an_exact_spelling_the_first_lowered_match_wins) {
    const ListedEntries entries{"Chat@premier", "chat@second"};
    LookupHistory history;
    EXPECT_EQ(test::ToStrings(SynonymLookup(u"chat", u"CHAT", entries, history).synonyms),
              (Texts{u"premier"}));
    EXPECT_EQ(test::ToStrings(SynonymLookup(u"chat", u"chat", entries, history).synonyms),
              (Texts{u"second"}));
}

TEST(synonym_lookup, empty_synonyms_are_not_listed) {
    const ListedEntries entries{"mot@\\un\\\\deux\\"};
    LookupHistory history;
    const SynonymLookupResult result = SynonymLookup(u"mot", u"mot", entries, history);
    EXPECT_EQ(test::ToStrings(result.synonyms), (Texts{u"un", u"deux"}));
    EXPECT_EQ(result.resultText, u"2 synonymes trouvés.");
}

TEST(synonym_lookup, searches_the_whole_current_listing_and_nothing_older) {
    LookupHistory history;
    ListedEntries entries;
    BrowseHeadwords(u"co", SynonymTables(), entries);
    ASSERT_GT(entries.count(), 1000);
    EXPECT_TRUE(SynonymLookup(u"coyote", u"coyote", entries, history).found);  // last listed

    BrowseHeadwords(u"chat", SynonymTables(), entries);
    EXPECT_FALSE(SynonymLookup(u"coyote", u"coyote", entries, history).found);
    EXPECT_FALSE(SynonymLookup(u"coach", u"coach", entries, history).found);
    EXPECT_TRUE(SynonymLookup(u"chat", u"chat", entries, history).found);

    BrowseHeadwords(u"xz", SynonymTables(), entries);
    EXPECT_FALSE(SynonymLookup(u"chat", u"chat", entries, history).found);
}

// Every headword of two or more characters, typed as stored, is listed and then found with its
// own line. One-character headwords are out of reach: a text that short lists nothing.
TEST(synonym_lookup, every_headword_is_listed_and_found_when_typed) {
    const WordList& lines = SynonymList();
    int checked = 0;
    ListedEntries entries;
    for (int i = 0; i < lines.count(); ++i) {
        const std::u16string line = DecodeWindows1252(lines[i]);
        const std::u16string headword = line.substr(0, line.find(u'@'));
        const std::u16string word = ToLower(headword);
        const auto listed = test::ToStrings(BrowseHeadwords(word, SynonymTables(), entries));
        ASSERT_NE(std::find(listed.begin(), listed.end(), headword), listed.end())
            << ToUtf8(headword);
        LookupHistory history;
        const SynonymLookupResult result = SynonymLookup(word, headword, entries, history);
        ASSERT_TRUE(result.found) << ToUtf8(headword);
        ASSERT_EQ(result.shownText, word);
        ASSERT_EQ(test::ToStrings(result.synonyms), SynonymsOf(line)) << ToUtf8(headword);
        if (i % 5 == 0) {  // the look-up without a listing too, on a fifth of them for time
            ASSERT_EQ(FindSynonymEntry(headword, SynonymTables()), lines[i]) << ToUtf8(headword);
        }
        ++checked;
    }
    EXPECT_EQ(checked, lines.count());
}

}  // namespace
}  // namespace quillex
