#include "core/synonyms/ListedEntries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillex {
namespace {

TEST(listed_entries, holds_the_lines_of_the_listing_in_order) {
    const ListedEntries entries{"chat@f\xE9lin\\matou", "Chat-huant@hulotte"};
    ASSERT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.line(1), "Chat-huant@hulotte");
    EXPECT_EQ(entries.headword(0), "chat");
    EXPECT_EQ(entries.headword(1), "Chat-huant");
}

TEST(listed_entries, headword_stops_at_the_first_at_sign) {
    const ListedEntries entries{"a@b@c", "sans arobase"};
    EXPECT_EQ(entries.headword(0), "a");
    EXPECT_EQ(entries.headword(1), "sans arobase");
}

TEST(listed_entries, positions_outside_the_listing_are_refused) {
    ListedEntries entries{"chat@f\xE9lin"};
    EXPECT_THROW((void)entries.line(1), std::out_of_range);
    EXPECT_THROW((void)entries.line(-1), std::out_of_range);
    entries.clear();
    EXPECT_EQ(entries.count(), 0);
    EXPECT_THROW((void)entries.headword(0), std::out_of_range);
}

}  // namespace
}  // namespace quillex
