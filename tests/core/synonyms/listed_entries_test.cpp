#include "synonyms/ListedEntries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillex {
namespace {

TEST(listed_entries, holds_the_lines_of_the_listing_in_order) {
    const ListedEntries entries{u"chat@félin\\matou", u"Chat-huant@hulotte"};
    ASSERT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.line(1), u"Chat-huant@hulotte");
    EXPECT_EQ(entries.headword(0), u"chat");
    EXPECT_EQ(entries.headword(1), u"Chat-huant");
}

TEST(listed_entries, headword_stops_at_the_first_at_sign) {
    const ListedEntries entries{u"a@b@c", u"sans arobase"};
    EXPECT_EQ(entries.headword(0), u"a");
    EXPECT_EQ(entries.headword(1), u"sans arobase");
}

TEST(listed_entries, positions_outside_the_listing_are_refused) {
    ListedEntries entries{u"chat@félin"};
    EXPECT_THROW((void)entries.line(1), std::out_of_range);
    EXPECT_THROW((void)entries.line(-1), std::out_of_range);
    entries.clear();
    EXPECT_EQ(entries.count(), 0);
    EXPECT_THROW((void)entries.headword(0), std::out_of_range);
}

}  // namespace
}  // namespace quillex
