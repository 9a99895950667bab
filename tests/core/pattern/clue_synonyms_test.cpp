// A clue narrowing a pattern's words to its synonyms, over the real lists.
#include "core/pattern/ClueSynonyms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

TEST(clue_synonyms, a_clue_is_looked_up_as_the_synonym_tab_looks_it_up) {
    const auto chat = ClueSynonyms::LookUp(u"chat", SynonymTables());
    ASSERT_TRUE(chat);
    EXPECT_TRUE(std::ranges::binary_search(chat->folded(), std::string("MATOU")));
    EXPECT_FALSE(std::ranges::binary_search(chat->folded(), std::string("CHAT")));
    for (std::u16string_view same : {u"Chat", u" chat ", u"CHAT"}) {
        const auto found = ClueSynonyms::LookUp(same, SynonymTables());
        ASSERT_TRUE(found) << ToUtf8(same);
        EXPECT_EQ(found->folded(), chat->folded());
    }
    // Every letter folded, and an inflected form through its lemma, as in the tab.
    const struct {
        std::u16string_view clue, headword;
    } rows[] = {{u"oeil", u"œil"},        {u"ete", u"été"},        {u"FELIN", u"félin"},
                {u"fenetre", u"fenêtre"}, {u"rapides", u"rapide"}, {u"voitures", u"voiture"}};
    for (const auto& row : rows) {
        const auto found = ClueSynonyms::LookUp(row.clue, SynonymTables());
        const auto expected = ClueSynonyms::LookUp(row.headword, SynonymTables());
        ASSERT_TRUE(found && expected) << ToUtf8(row.clue);
        EXPECT_EQ(found->folded(), expected->folded()) << ToUtf8(row.clue);
    }
    for (std::u16string_view none : {u"chatx", u"c", u"", u"   ", u"chat@"})
        EXPECT_FALSE(ClueSynonyms::LookUp(none, SynonymTables())) << ToUtf8(none);
}

TEST(clue_synonyms, only_synonyms_that_fit_are_kept_in_list_order) {
    EXPECT_EQ(Narrow(u"?????", u"chat").synonyms, (Words{"FELIN", "MATOU", "MINET", "MINOU"}));
    EXPECT_EQ(Narrow(u"????", u"rapides").synonyms, Narrow(u"????", u"rapide").synonyms);
    EXPECT_FALSE(Narrow(u"????", u"rapides").synonyms.empty());
    // No synonym of a synonym is added: "tigre" is a synonym of félin, not of chat.
    EXPECT_TRUE(Narrow(u"?I??E", u"chat").synonyms.empty());
    EXPECT_EQ(Narrow(u"?????", u"chat").count(), 4u);
}

TEST(clue_synonyms, expressions_are_found_under_their_folded_spelling) {
    const ClueOutcome purse = Narrow(u"PORTE*", u"aumônière");
    EXPECT_EQ(purse.synonyms, (Words{"PORTEFEUILLE", "PORTEMONNAIE"}));
    EXPECT_TRUE(Narrow(u"QQ?", u"chat").synonyms.empty());
}

}  // namespace
}  // namespace quillex
