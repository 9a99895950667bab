#include "core/synonyms/BrowseHeadwords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "tests/core/synonyms/SynonymData.h"

namespace quillex {
namespace {

using Words = std::vector<std::u16string>;

Words Browse(std::u16string_view text) {
    ListedEntries entries;
    return test::ToStrings(BrowseHeadwords(text, SynonymTables(), entries));
}

TEST(browse_headwords, accents_and_ligatures_are_ignored_on_every_letter) {
    struct Row {
        std::u16string_view plain, accented, firstHeadword;
    };
    const Row rows[] = {
        {u"et", u"ét", u"et"},
        {u"ca", u"ça", u"ça"},
        {u"ile", u"île", u"île"},
        {u"age", u"âge", u"âge"},
        {u"oter", u"ôter", u"ôter"},
        {u"oeil", u"œil", u"œil"},
        {u"aeschne", u"æschne", u"æschne"},
        {u"evangile", u"évangile", u"Évangile"},
        {u"a cause", u"à cause", u"à cause"},
        {u"coeur", u"cœur", u"cœur"},  // ligatures inside a word too
        {u"soeur", u"sœur", u"sœur"},
        {u"boeuf", u"bœuf", u"bœuf"},
        {u"noeud", u"nœud", u"nœud"},
        {u"manoeuvre", u"manœuvre", u"manœuvre"},
        {u"etre", u"ëtre", u"être"},
        {u"fenetre", u"fenêtre", u"fenêtre"},
        {u"theatre", u"THÉÂTRE", u"théâtre"},
        {u"hopital", u"hôpital", u"hôpital"},
        {u"age", u"âgé", u"âge"},  // both listed
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.accented));
        const Words plain = Browse(row.plain);
        ASSERT_FALSE(plain.empty());
        EXPECT_EQ(plain, Browse(row.accented));
        EXPECT_EQ(plain.front(), row.firstHeadword);
    }
}

TEST(browse_headwords, lists_the_matching_headwords_in_stored_order) {
    struct Row {
        std::u16string_view text;
        Words expected;
    };
    const Row rows[] = {
        // Too short, or a first character that starts no group.
        {u"", {}},
        {u"a", {}},
        {u"à", {}},
        {u"œ", {}},
        {u"1a", {}},
        {u" a", {}},
        {u"-a", {}},
        {u"xz", {}},
        // Stored capitals and accents are kept.
        {u"afr", {u"Afrique"}},
        {u"évangile", {u"Évangile", u"évangile"}},
        {u"ouï-", {u"ouï-dire"}},
        {u"à-p", {u"à-propos"}},
        {u"ile", {u"île", u"îles", u"iléus"}},
        {u"ádoucir", {u"adoucir"}},
        // The comparison runs on into "@" and the synonyms, folds included.
        {u"à droite@h", {u"à droite"}},
        {u"a droite@hue", {u"à droite"}},
        {u"à droite@hue\\", {}},
        {u"chat@félin\\mat", {u"chat"}},
        {u"chat@felin", {u"chat"}},
        {u"chat@matou", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.text));
        EXPECT_EQ(Browse(row.text), row.expected);
    }
}

TEST(browse_headwords, lists_as_many_headwords_as_the_dictionary_has) {
    struct Row {
        std::u16string_view text;
        size_t count;
    };
    const Row rows[] = {{u"ab", 182}, {u"co", 1572}, {u"et", 213},
                        {u"il", 52},  {u"ca", 640},  {u"chat", 26}};
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.text));
        EXPECT_EQ(Browse(row.text).size(), row.count);
    }
}

TEST(browse_headwords, capitals_typed_are_lowered_like_the_window_does) {
    EXPECT_EQ(Browse(u"AFR"), Browse(u"afr"));
    EXPECT_EQ(Browse(u"Évangile"), Browse(u"évangile"));
}

TEST(browse_headwords, listed_entries_hold_each_listed_line_by_position) {
    ListedEntries entries;
    const auto headwords = BrowseHeadwords(u"ab", SynonymTables(), entries);
    ASSERT_EQ(entries.count(), static_cast<int>(headwords.size()));
    for (int k = 0; k < entries.count(); ++k) {
        EXPECT_EQ(entries.headword(k), headwords[k]);
        EXPECT_EQ(entries.line(k), test::LineOf(DecodeWindows1252(headwords[k])));
    }
}

TEST(browse_headwords, a_short_listing_after_a_long_one_keeps_no_old_line) {
    ListedEntries entries;
    BrowseHeadwords(u"co", SynonymTables(), entries);
    ASSERT_EQ(entries.count(), 1572);  // "cœur" and its kin fold to "co…"
    const auto few = BrowseHeadwords(u"chat", SynonymTables(), entries);
    ASSERT_EQ(entries.count(), static_cast<int>(few.size()));
    for (int k = 0; k < entries.count(); ++k)
        EXPECT_TRUE(LookupSpellingStartsWith(entries.line(k), u"chat")) << entries.line(k);
    for (const std::u16string_view nothing : {u"xz", u"a", u""}) {
        BrowseHeadwords(nothing, SynonymTables(), entries);
        EXPECT_EQ(entries.count(), 0) << ToUtf8(nothing);
    }
}

}  // namespace
}  // namespace quillex
