#include "core/synonyms/StringReplace.h"

#include <gtest/gtest.h>

#include "core/text/Text.h"

namespace quillex {
namespace {

TEST(string_replace, replaces_every_occurrence_left_to_right) {
    struct Row {
        std::u16string_view source, find, replacement, expected;
    };
    const Row rows[] = {
        {u"abcabc", u"b", u"x", u"axcaxc"},
        {u"aaa", u"aa", u"b", u"ba"},         // no overlap, from the left
        {u"aaaa", u"a", u"aa", u"aaaaaaaa"},  // the replacement is not scanned again
        {u"abc", u"abc", u"", u""},           // removal
        {u"Abc", u"a", u"x", u"Abc"},         // case counts
        {u"été", u"é", u"e", u"ete"},
        {u"œil-de-bœuf", u"œ", u"oe", u"oeil-de-boeuf"},
        {u"abc", u"abcd", u"x", u"abc"},  // find longer than the source
        {u" a ", u" ", u"_", u"_a_"},     // spaces with something else
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.source));
        EXPECT_EQ(StringReplace(row.source, row.find, row.replacement), row.expected);
    }
}

TEST(string_replace, empty_find_or_blank_source_is_returned_unchanged) {
    EXPECT_EQ(StringReplace(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(StringReplace(u"", u"a", u"b"), u"");
    EXPECT_EQ(StringReplace(u"   ", u" ", u"x"), u"   ");
    EXPECT_EQ(StringReplace(u"", u"", u"x"), u"");
}

}  // namespace
}  // namespace quillex
