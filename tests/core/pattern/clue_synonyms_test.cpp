// A clue narrowing a pattern's words to its synonyms, over the real lists.
#include "core/pattern/ClueSynonyms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/pattern/MainListFold.h"
#include "core/pattern/PatternScan.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/core/ListOfBytes.h"
#include "tests/core/synonyms/SynonymData.h"

namespace quillex {
namespace {
using Words = std::vector<std::string_view>;

Words Scan(std::u16string_view text) {
    return FindWords(std::get<Pattern>(Pattern::Parse(text)), MainList());
}

ClueOutcome Narrow(std::u16string_view pattern, std::u16string_view clue) {
    const auto synonyms = ClueSynonyms::LookUp(clue, SynonymTables());
    if (!synonyms) {
        ADD_FAILURE() << "no entry for " << ToUtf8(clue);
        return {};
    }
    return synonyms->narrow(Scan(pattern));
}

TEST(clue_synonyms, synonyms_are_spelt_as_the_main_list_spells_its_words) {
    struct Row {
        std::u16string_view text;
        std::string_view folded;
    };
    for (const Row& row :
         {Row{u"mise à jour", "MISEAJOUR"}, Row{u"œuvre", "OEUVRE"}, Row{u"Æschne", "AESCHNE"},
          Row{u"aujourd'hui", "AUJOURDHUI"}, Row{u"porte-monnaie", "PORTEMONNAIE"},
          Row{u"ça", "CA"}, Row{u"Noël", "NOEL"}, Row{u"12 ans", "ANS"}, Row{u"", ""}})
        EXPECT_EQ(MainListFold(row.text), row.folded) << ToUtf8(row.text);
}

TEST(clue_synonyms, a_clue_is_looked_up_as_the_synonym_tab_looks_it_up) {
    const auto chat = ClueSynonyms::LookUp(u"chat", SynonymTables());
    ASSERT_TRUE(chat);
    EXPECT_EQ(chat->folded(),
              (std::vector<std::string>{"CHATON", "CHATONNE", "FELIN", "FELINE", "FELINNE", "MATOU",
                                        "MINET", "MINETTE", "MINOU", "MINOUNE", "MISTIGRI"}));
    for (std::u16string_view same : {u"Chat", u" chat ", u"CHAT"}) {
        const auto found = ClueSynonyms::LookUp(same, SynonymTables());
        ASSERT_TRUE(found) << ToUtf8(same);
        EXPECT_EQ(found->folded(), chat->folded());
    }
    for (std::u16string_view found : {u"œil", u"oeil", u"été", u"etoile"})
        EXPECT_TRUE(ClueSynonyms::LookUp(found, SynonymTables())) << ToUtf8(found);
    // The tab finds no entry for these, so neither does a clue: only the first letter's accent
    // may be left out.
    for (std::u16string_view none : {u"chatx", u"ete", u"c", u"", u"   ", u"chat@"})
        EXPECT_FALSE(ClueSynonyms::LookUp(none, SynonymTables())) << ToUtf8(none);
}

TEST(clue_synonyms, only_synonyms_that_fit_are_kept_in_list_order) {
    const ClueOutcome five = Narrow(u"?????", u"chat");
    EXPECT_EQ(five.synonyms, (Words{"FELIN", "MATOU", "MINET", "MINOU"}));
    // Four is short: the synonyms of the synonyms follow, never the clue or a first-group word.
    EXPECT_TRUE(std::ranges::is_sorted(five.broadSense));
    EXPECT_NE(std::ranges::find(five.broadSense, "TIGRE"), five.broadSense.end());
    for (std::string_view word : five.broadSense) {
        EXPECT_EQ(word.size(), 5u);
        EXPECT_NE(word, "CHATS");
        EXPECT_EQ(std::ranges::find(five.synonyms, word), five.synonyms.end());
    }
    EXPECT_EQ(five.count(), five.synonyms.size() + five.broadSense.size());

    const ClueOutcome tiger = Narrow(u"?I??E", u"chat");
    EXPECT_TRUE(tiger.synonyms.empty());
    EXPECT_EQ(tiger.broadSense, Words{"TIGRE"});
}

TEST(clue_synonyms, enough_synonyms_leave_out_the_broad_sense) {
    const ClueOutcome all = Narrow(u"*", u"chat");
    ASSERT_GE(all.synonyms.size(), BroadSenseThreshold);
    EXPECT_TRUE(all.broadSense.empty());
    EXPECT_EQ(all.synonyms, (Words{"FELIN", "MATOU", "MINET", "MINOU", "CHATON", "FELINE",
                                   "MINETTE", "CHATONNE", "MISTIGRI"}));
}

TEST(clue_synonyms, expressions_are_found_under_their_folded_spelling) {
    const ClueOutcome purse = Narrow(u"PORTE*", u"aumônière");
    EXPECT_EQ(purse.synonyms, (Words{"PORTEFEUILLE", "PORTEMONNAIE"}));
    EXPECT_TRUE(Narrow(u"QQ?", u"chat").synonyms.empty());
    EXPECT_TRUE(Narrow(u"QQ?", u"chat").broadSense.empty());
}

}  // namespace
}  // namespace quillex
