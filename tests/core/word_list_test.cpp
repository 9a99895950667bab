#include "core/wordlists/WordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/Resources.h"
#include "core/wordlists/SynonymLetterTables.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

using test::AsBytes;
using test::ListOfBytes;

std::vector<std::u16string> Elements(const WordList& list) {
    std::vector<std::u16string> out;
    for (int i = 0; i < list.count(); ++i) out.push_back(DecodeWindows1252(list[i]));
    return out;
}

// The lines of a built-in resource, split at CR LF, to be put back together damaged.
std::vector<std::string> ResourceLines(WordListResource resource) {
    const auto bytes = ReadResource(resource.typeName, resource.id);
    const std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    text.resize(text.size() - 2);
    return text;
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
        EXPECT_EQ(Elements(ListOfBytes(row.bytes)), row.expected) << row.name;
}

TEST(word_list, elements_are_views_of_the_bytes_themselves) {
    const std::string bytes = "AA\r\nL\x92\xE9t\xE9\r\nZUT";
    const WordList list = ListOfBytes(bytes);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list[1].data(), bytes.data() + 4);
    EXPECT_EQ(list[1], "L\x92\xE9t\xE9");
    EXPECT_EQ(list[2].data(), bytes.data() + 11);
    EXPECT_EQ(list.text().data(), bytes.data());
    // Only bytes holding zeros before their end are copied, without them.
    const std::string padded("ZUT\0\0", 5);
    EXPECT_EQ(ListOfBytes(padded)[0].data(), padded.data());
    const std::string holed("A\0B", 3);
    const WordList copied = ListOfBytes(holed);
    EXPECT_EQ(copied[0], "AB");
    const WordList copy = copied;  // a copy shares the bytes it views
    EXPECT_EQ(copy[0], "AB");
    EXPECT_EQ(copy[0].data(), copied[0].data());
}

TEST(word_list, words_laid_out_by_length_are_found_without_an_index) {
    const data::LengthSlice slices[] = {{2, 1, 2}, {3, 3, 3}, {4, 4, 3}, {5, 4, 5}};
    const std::string bytes = "AA\r\nAB\r\nABC\r\nABCDE\r\nVWXYZ";
    const auto list = WordList::FromLengthSlices(AsBytes(bytes), slices);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(Elements(*list),
              (std::vector<std::u16string>{u"AA", u"AB", u"ABC", u"ABCDE", u"VWXYZ"}));
    EXPECT_EQ(list->atPosition(4).data(), bytes.data() + 13);
    EXPECT_EQ(list->heapBytes(), 0u);
    EXPECT_THROW(list->at(5), std::out_of_range);
    const std::string padded = bytes + std::string(3, '\0');
    ASSERT_TRUE(WordList::FromLengthSlices(AsBytes(padded), slices));
    EXPECT_EQ(WordList::FromLengthSlices(AsBytes(padded), slices)->at(4), "VWXYZ");

    // Any other layout is refused, so that no word is read across a separator.
    struct Row {
        const char* name;
        std::string bytes;
    };
    const std::vector<Row> refused = {
        {"one byte short", "AA\r\nAB\r\nABC\r\nABCDE\r\nVWXY"},
        {"one byte more", "AA\r\nAB\r\nABC\r\nABCDE\r\nVWXYZ\r\n"},
        {"lengths shifted", "AA\r\nABC\r\nAB\r\nABCDE\r\nVWXYZ"},
        {"LF only", "AA\nAB\n\nABC\r\nABCDE\r\nVWXYZ"},
        {"empty", ""},
    };
    for (const Row& row : refused)
        EXPECT_FALSE(WordList::FromLengthSlices(AsBytes(row.bytes), slices)) << row.name;
    const data::LengthSlice gap[] = {{2, 1, 2}, {3, 4, 4}};
    EXPECT_FALSE(WordList::FromLengthSlices(AsBytes("AA\r\nAB\r\nABC"), gap));
}

TEST(word_list, at_refuses_indexes_outside_the_list) {
    const std::string bytes = "AA\r\nAB";
    const WordList list = ListOfBytes(bytes);
    EXPECT_EQ(list.at(1), "AB");
    EXPECT_EQ(list.atPosition(1), "AA");
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
    const std::string bytes = "AA\r\nAB";
    const auto problem = CheckAgainstTables(MainListResource, ListOfBytes(bytes));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(u"LISTEDESMOTS compte 2 lignes"), std::u16string::npos);
}

TEST(load_word_list, a_synonym_group_loaded_on_its_own_holds_the_lines_of_its_table) {
    const WordList list = LoadWordList(SynonymListResource);
    SynonymLetterTables tables;
    tables.fill(list);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const WordList group = LoadSynonymGroup(letter);
        const SynonymLetterTables::Table& table = tables.table(static_cast<char16_t>(letter));
        ASSERT_EQ(group.count(), table.size()) << letter;
        for (int j = 1; j <= table.size(); ++j)
            ASSERT_EQ(static_cast<const void*>(group[j - 1].data()), table.entry(j).data())
                << letter << j;
    }
}

TEST(load_word_list, built_in_word_lists_are_read_in_place) {
    for (const WordListResource resource : {MainListResource, ScrabbleListResource}) {
        const WordList list = LoadWordList(resource);
        const auto bytes = ReadResource(resource.typeName, resource.id);
        EXPECT_EQ(list.heapBytes(), 0u) << resource.typeName;
        EXPECT_EQ(static_cast<const void*>(list[0].data()), bytes->data()) << resource.typeName;
        EXPECT_EQ(CheckAgainstTables(resource, list), std::nullopt) << resource.typeName;
    }
}

// Lines moved between groups or blocks keep the line count: only the group sizes and the
// glossary's block sizes tell that the list would be cut wrong.
TEST(load_word_list, a_list_cut_otherwise_than_its_groups_is_described) {
    using Lines = std::vector<std::string>;
    const auto moveFirstToEnd = [](Lines& lines) {
        std::rotate(lines.begin(), lines.begin() + 1, lines.end());
    };
    const auto moveLastToStart = [](Lines& lines) {
        std::rotate(lines.rbegin(), lines.rbegin() + 1, lines.rend());
    };
    struct Row {
        WordListResource resource;
        void (*damage)(Lines&);
        std::u16string where, what;
    };
    const Row rows[] = {
        {SynonymListResource, moveFirstToEnd,
         u"la ligne " + FromUtf8(std::to_string(data::SynonymGroupSizes[0])) + u" « b",
         u" » tombe dans le groupe de la lettre a"},
        {SynonymListResource, moveLastToStart, u"la ligne 1 « z", u"groupe de la lettre a"},
        {GlossaryResource, moveFirstToEnd,
         u"la ligne " + FromUtf8(std::to_string(data::GlossaryTwoLetterCount)) + u" « ",
         u" » ne définit pas un mot de 2 lettres"},
        {GlossaryResource, [](Lines& lines) { lines[100] = lines[0]; }, u"la ligne 101 « ",
         u" » ne définit pas un mot de 3 lettres"},
    };
    for (const Row& row : rows) {
        Lines lines = ResourceLines(row.resource);
        const size_t count = lines.size();
        row.damage(lines);
        ASSERT_EQ(lines.size(), count);
        const std::string damaged = JoinLines(lines);
        const auto problem = CheckAgainstTables(row.resource, ListOfBytes(damaged));
        ASSERT_TRUE(problem.has_value()) << ToUtf8(row.where);
        EXPECT_NE(problem->find(row.where), std::u16string::npos) << ToUtf8(*problem);
        EXPECT_NE(problem->find(row.what), std::u16string::npos) << ToUtf8(*problem);
    }
}

}  // namespace
}  // namespace quillex
