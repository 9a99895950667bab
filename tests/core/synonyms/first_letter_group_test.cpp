#include "core/synonyms/FirstLetterGroup.h"

#include <gtest/gtest.h>

#include <string>

#include "SynonymData.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

TEST(first_letter_group, first_character_selects_its_group) {
    struct Row {
        char16_t first;
        char16_t letter;  // 0: no group
    };
    const Row rows[] = {
        {u'a', u'a'}, {u'à', u'a'}, {u'â', u'a'}, {u'á', u'a'}, {u'æ', u'a'},
        {u'b', u'b'}, {u'ç', u'c'}, {u'é', u'e'}, {u'è', u'e'}, {u'ê', u'e'},
        {u'î', u'i'}, {u'ô', u'o'}, {u'œ', u'o'}, {u'z', u'z'}, {u'ë', 0},
        {u'ï', 0},    {u'ù', 0},    {u'û', 0},    {u'ü', 0},    {u'1', 0},
        {u' ', 0},    {u'-', 0},    {u'@', 0},    {u'A', 0}};  // callers lower-case first
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.first));
        const auto group = FirstLetterGroup::ForFirstCharacter(row.first);
        if (row.letter == 0) {
            EXPECT_FALSE(group.has_value());
        } else {
            ASSERT_TRUE(group.has_value());
            EXPECT_EQ(group->letter(), row.letter);
        }
    }
}

TEST(first_letter_group, folds_only_the_groups_own_letters) {
    struct Row {
        char16_t first;
        std::u16string_view text, folded;
    };
    const Row rows[] = {
        {u'a', u"àâáæ", u"aaaae"},
        {u'a', u"accélérer", u"accélérer"},  // é is no fold of group a
        {u'æ', u"æschne", u"aeschne"},
        {u'ç', u"ça", u"ca"},
        {u'e', u"être élevé près", u"etre eleve pres"},
        {u'e', u"ëtre", u"ëtre"},
        {u'î', u"îlot", u"ilot"},
        {u'o', u"œil-de-bœuf", u"oeil-de-boeuf"},
        {u'ô', u"ôter", u"oter"},
        {u'b', u"bâté", u"bâté"},
        {u'c', u"cœur cæcum", u"coeur caecum"},  // the ligatures fold in every group
        {u's', u"sœur", u"soeur"},
        {u'm', u"manœuvre", u"manoeuvre"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.text));
        EXPECT_EQ(FirstLetterGroup::ForFirstCharacter(row.first)->fold(row.text), row.folded);
    }
}

// The on-the-fly comparison must agree with lower-casing, folding and comparing whole strings.
TEST(first_letter_group, folded_comparison_agrees_with_folding_whole_lines) {
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const auto group = FirstLetterGroup::ForFirstCharacter(letter);
        const auto& table = SynonymTables().table(letter);
        for (int j = 1; j <= table.size(); ++j) {
            const std::string_view line = table.entry(j);
            const std::u16string reference = group->fold(ToLower(DecodeWindows1252(line)));
            for (size_t n : {size_t{1}, size_t{2}, size_t{3}, size_t{6}, reference.size()}) {
                const std::u16string prefix = reference.substr(0, n);
                ASSERT_TRUE(group->foldedStartsWith(line, prefix)) << Windows1252ToUtf8(line);
                ASSERT_FALSE(group->foldedStartsWith(line, prefix + u'\x1F'))
                    << Windows1252ToUtf8(line);
            }
            ASSERT_FALSE(group->foldedStartsWith(line, reference + u'x'))
                << Windows1252ToUtf8(line);
        }
    }
}

TEST(first_letter_group, folded_comparison_lowers_and_folds_the_line) {
    const auto a = FirstLetterGroup::ForFirstCharacter(u'a');
    // Lines are Windows-1252 bytes: \xC6 "Æ", \xC2 "Â", \xE6 "æ", \xE9 "é", \xC9 "É".
    EXPECT_TRUE(a->foldedStartsWith("\xC6schne@x", u"aesc"));
    EXPECT_TRUE(a->foldedStartsWith("\xC2GE@x", u"age@"));
    EXPECT_FALSE(a->foldedStartsWith("\xE6", u"aex"));
    EXPECT_FALSE(a->foldedStartsWith("acc\xE9l\xE9rer", u"accel"));
    const auto e = FirstLetterGroup::ForFirstCharacter(u'é');
    EXPECT_TRUE(e->foldedStartsWith("\xC9vangile@x", u"evan"));
}

}  // namespace
}  // namespace quillex
