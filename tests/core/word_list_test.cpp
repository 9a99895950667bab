#include "wordlists/WordList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "errors/InternalFailure.h"
#include "wordlists/LoadWordList.h"

namespace quillex {
namespace {

WordList FromBytes(const std::string& bytes) {
    return WordList::FromWindows1252(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

std::vector<std::u16string> Elements(const WordList& list) {
    std::vector<std::u16string> out;
    for (int i = 0; i < list.count(); ++i) out.emplace_back(list[i]);
    return out;
}

TEST(word_list, splits_hand_made_inputs_at_every_crlf) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::u16string> expected;
    };
    const std::vector<Row> rows = {
        {"empty resource", "", {u""}},
        {"single line", "AA", {u"AA"}},
        {"two lines", "AA\r\nAB", {u"AA", u"AB"}},
        {"trailing separator leaves an empty last element", "AA\r\n", {u"AA", u""}},
        {"CR without LF stays inside the element", "A\rB\r\nC", {u"A\rB", u"C"}},
        {"LF without CR stays inside the element", "A\nB", {u"A\nB"}},
        {"CR CR LF splits after the first CR", "A\r\r\nB", {u"A\r", u"B"}},
        {"empty elements between separators", "\r\n\r\n", {u"", u"", u""}},
        {"spaces are kept", " a b \r\n c ", {u" a b ", u" c "}},
        {"bytes 0x80-0x9F decode as Windows-1252", "L\x92\xE9t\xE9\r\n\x9C", {u"L’été", u"œ"}},
        {"zero padding is dropped", std::string("ZUT\0\0", 5), {u"ZUT"}},
        {"zero bytes inside a line are dropped", std::string("A\0B\r\n\0", 6), {u"AB", u""}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Elements(FromBytes(row.bytes)), row.expected) << row.name;
}

TEST(word_list, at_refuses_indexes_outside_the_list) {
    const WordList list = FromBytes("AA\r\nAB");
    EXPECT_EQ(list.at(1), u"AB");
    EXPECT_EQ(list.atPosition(1), u"AA");
    EXPECT_THROW(list.at(2), std::out_of_range);
    EXPECT_THROW(list.at(-1), std::out_of_range);
    EXPECT_THROW(list.atPosition(0), std::out_of_range);
}

TEST(word_list, default_list_is_empty) {
    const WordList list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_THROW(list.at(0), std::out_of_range);
}

TEST(load_word_list, missing_resource_is_a_reported_failure) {
    try {
        LoadWordList("LISTEDESMOTS", 999);
        FAIL() << "no failure";
    } catch (const InternalFailure& failure) {
        EXPECT_EQ(failure.code(), 326);
        EXPECT_EQ(failure.description(), u"Ressource introuvable : LISTEDESMOTS 999");
    }
    EXPECT_THROW(LoadWordList("LISTESCRAB", 101), InternalFailure);
}

TEST(load_word_list, list_that_disagrees_with_its_tables_is_described) {
    const auto problem = CheckAgainstTables(MainListResource, FromBytes("AA\r\nAB"));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(u"LISTEDESMOTS compte 2 lignes"), std::u16string::npos);
}

}  // namespace
}  // namespace quillex
