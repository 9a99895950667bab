#include "richtext/RichTextReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "errors/InternalFailure.h"
#include "richtext/RichDocumentBuilder.h"
#include "text/Text.h"

namespace quillex {
namespace {

RichDocument Parse(std::string_view text) {
    return ParseRichText({reinterpret_cast<const unsigned char*>(text.data()), text.size()});
}

std::vector<std::u16string> Paragraphs(std::string_view text) {
    std::vector<std::u16string> paragraphs;
    for (const auto& paragraph : Parse(text).paragraphs) paragraphs.push_back(paragraph.text());
    return paragraphs;
}

// A run in the style that `flags` spells: 'b' bold, 'i' italic, 'u' underlined.
RichRun Styled(std::u16string text, std::string_view flags = "", int halfPoints = 24) {
    const auto has = [&](char flag) { return flags.find(flag) != std::string_view::npos; };
    return {std::move(text), has('b'), has('i'), has('u'), halfPoints};
}

std::vector<RichRun> Runs(std::string_view text) {
    const auto document = Parse(text);
    return document.paragraphs.empty() ? std::vector<RichRun>{} : document.paragraphs[0].runs;
}

struct TextRow {
    std::string_view input;
    std::vector<std::u16string> expected;
};

void ExpectParagraphs(const std::vector<TextRow>& rows) {
    for (const auto& row : rows) EXPECT_EQ(Paragraphs(row.input), row.expected) << row.input;
}

TEST(rich_text_reader, paragraphs_end_at_par_and_nowhere_else) {
    ExpectParagraphs({
        {"{\\rtf1 Bonjour}", {u"Bonjour"}},
        {"{\\rtf1 a\\par b}", {u"a", u"b"}},
        {"{\\rtf1 a\\par\\par b}", {u"a", u"", u"b"}},  // an empty paragraph is a blank line
        {"{\\rtf1 a\\par}", {u"a"}},
        {"{\\rtf1 a\\pard b}", {u"ab"}},
        {"{\\rtf1 a\r\nb}", {u"ab"}},
        {"{\\rtf1 a\\\nb}", {u"a", u"b"}},
        {"{\\rtf1 a\\sect b\\page c}", {u"a", u"b", u"c"}},
        {"", {}},
        {"{\\rtf1 }", {}},
    });
}

TEST(rich_text_reader, escapes_and_symbols_become_their_characters) {
    ExpectParagraphs({
        {"\\'e9t\\'e9 \\'c7a \\'9c", {u"été Ça œ"}},  // Windows-1252, not Latin-1
        {"\\'80\\'92", {u"€’"}},
        {"\\{\\}\\\\", {u"{}\\"}},
        {"a\\tab b\\line c", {u"a\tb\u2028c"}},
        {"\\lquote\\rquote\\ldblquote\\rdblquote", {u"‘’“”"}},
        {"\\emdash\\endash\\bullet", {u"—–•"}},
        {"a\\~b\\-c\\_d", {u"a\u00A0b\u00ADc\u2011d"}},
        {"a\x01\x7F"
         "b\tc",
         {u"ab\tc"}},  // control bytes are not text, a raw tab is
        {"\\unknownword a\\|\\:b", {u"ab"}},
    });
}

TEST(rich_text_reader, unicode_escapes_skip_their_fallback) {
    ExpectParagraphs({
        {"\\u233?", {u"é"}},
        {"\\u8364??", {u"€?"}},     // one fallback character by default
        {"\\u233\\'e9x", {u"éx"}},  // a hex escape is one character
        {"\\uc2\\u8364??x", {u"€x"}},
        {"\\uc0\\u233 e", {u"ée"}},
        {"\\u-10179?\\u-8704?", {u"\U0001F600"}},  // negative values are above 32767
        {"\\uc3{\\u233}ab", {u"éab"}},             // a fallback stops at a brace
        {"{\\uc0 }\\u233?", {u"é"}},               // \uc belongs to its group
        {"\\u0?a", {u"a"}},
    });
}

TEST(rich_text_reader, skipped_destinations_show_no_text) {
    ExpectParagraphs({
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}x}", {u"x"}},
        {"{\\rtf1{\\stylesheet{Normal;}}{\\info{\\title T}{\\author A}}x}", {u"x"}},
        {"{\\rtf1{\\header h\\par}{\\footerl f}{\\object o}x}", {u"x"}},
        {"{\\rtf1{\\*\\generator W;}{\\*\\anything {\\b deep}}x}", {u"x"}},
        {"{\\rtf1{\\pict\\bin4 }}}}x}y}", {u"y"}},  // binary data may hold braces
        {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt lien}}}", {u"lien"}},
    });
}

TEST(rich_text_reader, braces_keep_the_style_of_their_group) {
    EXPECT_EQ(Runs("{\\rtf1 a{\\b b}c}"),
              (std::vector{Styled(u"a"), Styled(u"b", "b"), Styled(u"c")}));
    EXPECT_EQ(Runs("\\b a\\b0 b"), (std::vector{Styled(u"a", "b"), Styled(u"b")}));
    EXPECT_EQ(Runs("\\i a\\i0 b"), (std::vector{Styled(u"a", "i"), Styled(u"b")}));
    EXPECT_EQ(Runs("\\ul a\\ulnone b\\uldb c\\ul0 d"),
              (std::vector{Styled(u"a", "u"), Styled(u"b"), Styled(u"c", "u"), Styled(u"d")}));
    EXPECT_EQ(Runs("\\ulc2 a"), (std::vector{Styled(u"a")}));  // an underline colour only
    EXPECT_EQ(Runs("\\fs32 a{\\fs18 b}"),
              (std::vector{Styled(u"a", "", 32), Styled(u"b", "", 18)}));
    EXPECT_EQ(Runs("\\b\\i\\ul\\fs40 a\\plain b"),
              (std::vector{Styled(u"a", "biu", 40), Styled(u"b")}));
}

TEST(rich_text_reader, neighbouring_text_in_one_style_is_one_run) {
    EXPECT_EQ(Runs("a{\\b}b{\\b0 c}"), (std::vector{Styled(u"abc")}));
    EXPECT_EQ(Runs("{\\b a}{\\b b}"), (std::vector{Styled(u"ab", "b")}));
}

TEST(rich_text_reader, unbalanced_braces_and_cut_input_give_what_was_read) {
    ExpectParagraphs({
        {"}}}{\\rtf1 a}}}b", {u"ab"}},
        {"{\\rtf1 {\\b a", {u"a"}},
        {"{\\rtf1 a\\'4", {u"a"}},
        {"{\\rtf1 a\\", {u"a"}},
        {"{\\rtf1 a\\u233", {u"aé"}},
        {"{\\rtf1 a\\bin99999999999 xyz}", {u"a"}},
        {"{\\rtf1 a\\bin-5 b}", {u"ab"}},
        {"Bonjour", {u"Bonjour"}},
    });
    EXPECT_EQ(Runs("{\\rtf1 {\\b a"), (std::vector{Styled(u"a", "b")}));
}

TEST(rich_text_reader, out_of_range_numbers_are_clamped) {
    EXPECT_EQ(Runs("\\fs99999999999999999999 a"), (std::vector{Styled(u"a", "", 3276)}));
    EXPECT_EQ(Runs("\\fs-5 a"), (std::vector{Styled(u"a", "", 2)}));
    EXPECT_EQ(Runs("\\fs a"), (std::vector{Styled(u"a")}));
    ExpectParagraphs({
        {"\\u-999999999999 a", {u"\uFFFD"}},
        {"\\u99999999999999 a", {u"\uFFFD"}},
        {"\\uc99999999999 \\u233 abc", {u"é"}},
        {"\\uc-3 \\u233 abc", {u"éabc"}},
    });
}

TEST(rich_text_reader, groups_beyond_the_depth_limit_are_dropped) {
    const auto nested = [](std::size_t depth, std::string_view inner) {
        return std::string(depth, '{') + std::string(inner) + std::string(depth, '}') + "z";
    };
    const std::size_t limit = RichDocumentBuilder::MaxGroupDepth;
    EXPECT_EQ(Runs(nested(limit, "\\b a")), (std::vector{Styled(u"a", "b"), Styled(u"z")}));
    EXPECT_EQ(Runs(nested(limit + 1, "\\b a")), (std::vector{Styled(u"z")}));
    EXPECT_EQ(Runs("\\i " + nested(100000, "\\b a")), (std::vector{Styled(u"z", "i")}));
}

// Bytes drawn from RTF's own vocabulary, so that the odd mixtures reach every path.
std::string RandomRtf(std::uint32_t& seed, std::size_t pieces) {
    static const std::vector<std::string_view> kPieces = {
        "{",     "}",   "\\",        "\\'",          "e9",  "4",     "\\b",
        "\\b0",  "\\u", "-",         "999999999999", "233", "\\uc",  "\\bin",
        "\\par", "\\*", "\\fonttbl", "\\fs",         " ",   "a",     "\\\n",
        "\xE9",  "?",   "\\pict",    "\\plain",      "\\~", "\\line"};
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) {
        seed = seed * 1664525u + 1013904223u;
        text += kPieces[(seed >> 8) % kPieces.size()];
    }
    return text;
}

TEST(rich_text_reader, any_mixture_of_rtf_pieces_reads_within_the_size_of_the_input) {
    std::uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        const std::string input = RandomRtf(seed, 1 + round % 200);
        const auto document = Parse(input);
        std::size_t characters = 0;
        for (const auto& paragraph : document.paragraphs) characters += paragraph.text().size();
        EXPECT_LE(characters, input.size()) << input;
        EXPECT_LE(document.paragraphs.size(), input.size() / 2 + 1) << input;
    }
}

TEST(rich_text_reader, reads_a_file) {
    const auto path = std::filesystem::temp_directory_path() / "quillex_reader_test.rtf";
    std::ofstream(path, std::ios::binary) << "{\\rtf1\\ansi {\\b Titre}\\par Texte \\'e0 lire}";
    const auto document = ReadRichTextFile(path);
    std::filesystem::remove(path);
    ASSERT_EQ(document.paragraphs.size(), 2u);
    EXPECT_EQ(document.paragraphs[0].runs, (std::vector{Styled(u"Titre", "b")}));
    EXPECT_EQ(document.paragraphs[1].text(), u"Texte à lire");
}

TEST(rich_text_reader, missing_or_unreadable_file_fails_with_file_not_found) {
    const auto folder = std::filesystem::temp_directory_path();
    const auto missing = folder / "quillex_no_such_file.rtf";
    struct Row {
        std::filesystem::path path;
        std::u16string description;
    };
    const std::vector<Row> rows = {
        {missing, u"Fichier introuvable : " + FromUtf8(missing.string())},
        {folder, u"Fichier illisible : " + FromUtf8(folder.string())},
    };
    for (const auto& row : rows) {
        try {
            ReadRichTextFile(row.path);
            ADD_FAILURE() << row.path << " was read";
        } catch (const InternalFailure& failure) {
            EXPECT_EQ(failure.code(), 53);
            EXPECT_EQ(failure.description(), row.description);
        }
    }
}

}  // namespace
}  // namespace quillex
