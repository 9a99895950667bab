#include "core/richtext/RichTextReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors/InternalFailure.h"
#include "core/richtext/RichDocumentBuilder.h"
#include "core/text/Text.h"
#include "testing/LicenceShapes.h"
#include "tests/core/ExpectRows.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

RichDocument Parse(std::string_view text) {
    return ParseRichText(test::AsBytes(text));
}

std::vector<std::u16string> Paragraphs(std::string_view text) {
    std::vector<std::u16string> paragraphs;
    for (const auto& paragraph : Parse(text).paragraphs) paragraphs.push_back(paragraph.text());
    return paragraphs;
}

// A run in the style that `flags` spells: 'b' bold, 'i' italic, 'u' underlined, 's' struck.
RichRun Styled(std::u16string text, std::string_view flags = "", int halfPoints = 24) {
    const auto has = [&](char flag) { return flags.find(flag) != std::string_view::npos; };
    RichRun run;
    run.text = std::move(text);
    run.bold = has('b');
    run.italic = has('i');
    run.underline = has('u');
    run.strike = has('s');
    run.halfPoints = halfPoints;
    return run;
}

RichRun Coloured(std::u16string text, RgbColour colour) {
    RichRun run = Styled(std::move(text));
    run.colour = colour;
    return run;
}

RichRun Linked(std::u16string text, std::u16string link, std::string_view flags = "") {
    RichRun run = Styled(std::move(text), flags);
    run.link = std::move(link);
    return run;
}

std::vector<RichRun> Runs(std::string_view text) {
    const auto document = Parse(text);
    return document.paragraphs.empty() ? std::vector<RichRun>{} : document.paragraphs[0].runs;
}

TEST(rich_text_reader, paragraphs_end_at_par_and_nowhere_else) {
    test::ExpectRows(Paragraphs, {
                                     {"{\\rtf1 Bonjour}", {u"Bonjour"}},
                                     {"{\\rtf1 a\\par b}", {u"a", u"b"}},
                                     {"{\\rtf1 a\\par\\par b}",
                                      {u"a", u"", u"b"}},  // an empty paragraph is a blank line
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
    test::ExpectRows(Paragraphs,
                     {
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
    test::ExpectRows(Paragraphs, {
                                     {"\\u233?", {u"é"}},
                                     {"\\u8364??", {u"€?"}},  // one fallback character by default
                                     {"\\u233\\'e9x", {u"éx"}},  // a hex escape is one character
                                     {"\\uc2\\u8364??x", {u"€x"}},
                                     {"\\uc0\\u233 e", {u"ée"}},
                                     {"\\u-10179?\\u-8704?",
                                      {u"\U0001F600"}},  // negative values are above 32767
                                     {"\\uc3{\\u233}ab", {u"éab"}},  // a fallback stops at a brace
                                     {"{\\uc0 }\\u233?", {u"é"}},    // \uc belongs to its group
                                     {"\\u0?a", {u"a"}},
                                 });
}

TEST(rich_text_reader, skipped_destinations_show_no_text) {
    test::ExpectRows(
        Paragraphs, {
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

TEST(rich_text_reader, strike_through_is_kept) {
    EXPECT_EQ(Runs("\\strike a\\strike0 b\\striked c{\\b\\strike0 d}"),
              (std::vector{Styled(u"a", "s"), Styled(u"b"), Styled(u"c", "s"), Styled(u"d", "b")}));
}

TEST(rich_text_reader, text_colours_come_from_the_colour_table) {
    const RgbColour red{255, 0, 0}, blue{0, 0, 255}, green{0, 128, 0};
    test::ExpectRows(
        Runs,
        {
            {"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\cf1 a\\cf2 b\\cf0 c",
             {Coloured(u"a", red), Coloured(u"b", blue), Styled(u"c")}},
            {"{\\colortbl;\\green128;}\\cf1 a{\\cf0 b}c",
             {Coloured(u"a", green), Styled(u"b"), Coloured(u"c", green)}},
            {"{\\colortbl\\red255;}\\cf0 a", {Coloured(u"a", red)}},     // no default entry
            {"{\\colortbl;\\red255;}\\cf7 a\\cf-1 b", {Styled(u"ab")}},  // beyond the table
            {"\\cf1 a", {Styled(u"a")}},                                 // no table at all
            {"{\\colortbl;\\red999;}\\cf1\\plain a", {Styled(u"a")}},
            {"{\\colortbl;\\red999\\blue-4;}\\cf1 a", {Coloured(u"a", {255, 0, 0})}},
        });
}

TEST(rich_text_reader, paragraph_indents_spacing_and_alignment_are_kept) {
    using A = RichAlignment;
    constexpr int kIndents = RichDocumentBuilder::MaxIndentTwips;
    struct Row {
        std::string_view input;
        std::vector<RichParagraphFormat> expected;
    };
    const std::vector<Row> rows = {
        {"\\li360\\ri120\\fi-240\\sb60\\sa120 a\\par b",
         {{360, 120, -240, 60, 120, A::Left}, {360, 120, -240, 60, 120, A::Left}}},
        {"\\sb0\\li360\\fi-240 x\\par\\li0\\fi0 y", {{360, 0, -240}, {}}},
        {"\\qc a\\par\\pard b", {{.alignment = A::Centre}, {}}},
        {"\\qr a\\par\\qj b\\par\\ql c\\par\\qd d",
         {{.alignment = A::Right}, {.alignment = A::Justified}, {}, {.alignment = A::Justified}}},
        {"{\\li720 a\\par}b", {{720}, {}}},   // a group keeps its paragraph format to itself
        {"a\\li720\\par b", {{720}, {720}}},  // the format at the end of a paragraph is its own
        {"{\\rtf1 a\\par\\qc b}", {{}, {.alignment = A::Centre}}},  // the last, without \\par
        // Each value within its bound, and the indents together within theirs.
        {"\\li-50\\ri99999999999\\fi-99999\\sb-1\\sa99999 a", {{0, kIndents, 0, 0, 1440}}},
        {"\\li2000\\ri2000\\fi-3000 a", {{2000, kIndents - 2000, -2000}}},
        {"\\li100\\fi9999\\sb1441 a", {{100, 0, kIndents - 100, 1440}}},
    };
    for (const auto& row : rows) {
        std::vector<RichParagraphFormat> formats;
        for (const auto& paragraph : Parse(row.input).paragraphs)
            formats.push_back(paragraph.format);
        EXPECT_EQ(formats, row.expected) << row.input;
    }
}

TEST(rich_text_reader, symbol_font_bullets_are_bullets) {
    test::ExpectRows(
        Paragraphs,
        {
            {"{\\fonttbl{\\f0 Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}x",
             {u"•\tx"}},
            {"{\\fonttbl{\\f3\\froman Symbol;}}\\f3\\'b7\\f0 \\'b7", {u"•·"}},
            {"{\\fonttbl\\f0\\fswiss Arial;\\f1 Symbol;}\\f1\\'b7",
             {u"•"}},                                        // entries without braces
            {"{\\fonttbl{\\f1 symbol }}\\f1\\'b7", {u"•"}},  // entry closed by its brace
            {"{\\fonttbl{\\f2\\fcharset2 Wingdings;}}\\f2\\'b7",
             {u"•"}},  // the symbol character set
            {"{\\fonttbl{\\f1 Symbol;}}{\\f1\\'b7}\\'b7",
             {u"•·"}},  // the font belongs to its group
            {"{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}\\deff0\\f1\\plain\\'b7", {u"·"}},
            {"{\\fonttbl{\\f1 Symbolique;}}\\f1\\'b7", {u"·"}},
            {"\\u-3913?\\u61623?", {u"••"}},  // Word's private-use Symbol bullet
            {"{\\fonttbl{\\f1{\\*\\panose 0}Symbol;}}\\f1\\'b7", {u"•"}},
        });
}

TEST(rich_text_reader, fonts_are_drawn_in_the_shipped_faces) {
    using F = RichFace;
    const auto faces = [](std::string_view text) {
        std::vector<RichFace> found;
        for (const RichRun& run : Runs(text)) found.push_back(run.face);
        return found;
    };
    // \deff names its font before the table does.
    EXPECT_EQ(faces("{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss Calibri;}{\\f1\\fmodern Courier New;}"
                    "{\\f2 Times New Roman;}{\\f3\\fmodern Inconnue;}{\\f4 carlito ;}}"
                    "a\\f1 b\\f2 c\\f3 d\\f4 e{\\f1 f}\\plain g\\f9 h}"),
              (std::vector{F::Calibri, F::Monospace, F::Default, F::Monospace, F::Calibri,
                           F::Monospace, F::Calibri, F::Default}));
    EXPECT_EQ(faces("{\\fonttbl{\\f0 Consolas;}}\\f0 a"), (std::vector{F::Monospace}));
}

TEST(rich_text_reader, web_addresses_become_links) {
    test::ExpectRows(
        Runs,
        {
            {"voir https://www.gnu.org/licenses/.",
             {Styled(u"voir "),
              Linked(u"https://www.gnu.org/licenses/", u"https://www.gnu.org/licenses/"),
              Styled(u".")}},
            {"www.exemple.fr, puis",
             {Linked(u"www.exemple.fr", u"https://www.exemple.fr"), Styled(u", puis")}},
            {"(http://a.fr)", {Styled(u"("), Linked(u"http://a.fr", u"http://a.fr"), Styled(u")")}},
            {"\\'abhttps://a.fr/x?y=1\\'bb",
             {Styled(u"«"), Linked(u"https://a.fr/x?y=1", u"https://a.fr/x?y=1"), Styled(u"»")}},
            {"{\\b https://a.fr} b",
             {Linked(u"https://a.fr", u"https://a.fr", "b"), Styled(u" b")}},
            {"xhttps://a.fr https:// www. http", {Styled(u"xhttps://a.fr https:// www. http")}},
            {"{\\field{\\*\\fldinst HYPERLINK \"https://exemple.fr/page\" \\\\o \"bulle\"}"
             "{\\fldrslt{\\ul le site}}} fin",
             {Linked(u"le site", u"https://exemple.fr/page", "u"), Styled(u" fin")}},
            {"{\\field{\\fldinst{ HYPERLINK www.exemple.fr }}{\\fldrslt ici https://b.fr}}",
             {Linked(u"ici https://b.fr", u"https://www.exemple.fr")}},
            {"{\\field{\\*\\fldinst HYPERLINK \\\\l \"ancre\"}{\\fldrslt ici}}", {Styled(u"ici")}},
            {"{\\field{\\*\\fldinst HYPERLINK \"file:///etc/passwd\"}{\\fldrslt ici}}",
             {Styled(u"ici")}},
            {"{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}", {Styled(u"3")}},
        });
}

TEST(rich_text_reader, long_paragraphs_go_on_in_new_paragraphs) {
    constexpr std::size_t kMax = RichDocumentBuilder::MaxParagraphCharacters;
    // No space to break at: cut at the limit.
    const std::string word(2 * kMax + 1000, 'a');
    std::vector<std::size_t> lengths;
    for (const auto& text : Paragraphs(word)) lengths.push_back(text.size());
    EXPECT_EQ(lengths, (std::vector<std::size_t>{kMax, kMax, 1000}));

    // Words: cut after a space near the limit, nothing lost.
    std::string words;
    while (words.size() < 3 * kMax) words += "mot ";
    const auto parts = Paragraphs(words);
    ASSERT_EQ(parts.size(), 4u);
    std::u16string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size()) {
            EXPECT_GE(parts[i].size(), kMax - RichDocumentBuilder::ParagraphBreakRoom);
            EXPECT_LE(parts[i].size(), kMax);
            EXPECT_TRUE(parts[i].ends_with(u' '));
        }
        joined += parts[i];
    }
    EXPECT_EQ(joined, FromUtf8(words));

    // Style changes: at most so many runs in one paragraph.
    std::string styles;
    for (int i = 0; i < 300; ++i) styles += "{\\b a}{\\i b}";
    const auto document = Parse(styles);
    ASSERT_EQ(document.paragraphs.size(), 3u);
    EXPECT_EQ(document.paragraphs[0].runs.size(), RichDocumentBuilder::MaxParagraphRuns);

    // The parts read as one paragraph: indent and space before on the first, space after on the
    // last.
    const auto formats =
        Parse("\\li360\\fi-240\\sb60\\sa90 " + std::string(kMax + 5, 'x')).paragraphs;
    ASSERT_EQ(formats.size(), 2u);
    EXPECT_EQ(formats[0].format, (RichParagraphFormat{360, 0, -240, 60, 0}));
    EXPECT_EQ(formats[1].format, (RichParagraphFormat{360, 0, 0, 0, 90}));
}

TEST(rich_text_reader, neighbouring_text_in_one_style_is_one_run) {
    EXPECT_EQ(Runs("a{\\b}b{\\b0 c}"), (std::vector{Styled(u"abc")}));
    EXPECT_EQ(Runs("{\\b a}{\\b b}"), (std::vector{Styled(u"ab", "b")}));
}

TEST(rich_text_reader, unbalanced_braces_and_cut_input_give_what_was_read) {
    test::ExpectRows(Paragraphs, {
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
    EXPECT_EQ(Runs("\\fs99999999999999999999 a"), (std::vector{Styled(u"a", "", 144)}));
    EXPECT_EQ(Runs("\\fs145 a"), (std::vector{Styled(u"a", "", 144)}));  // 72 points at most
    EXPECT_EQ(Runs("\\fs-5 a"), (std::vector{Styled(u"a", "", 2)}));
    EXPECT_EQ(Runs("\\fs a"), (std::vector{Styled(u"a")}));
    test::ExpectRows(Paragraphs, {
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
    static const std::vector<std::string_view> kPieces = {"{",
                                                          "}",
                                                          "\\",
                                                          "\\'",
                                                          "e9",
                                                          "4",
                                                          "\\b",
                                                          "\\b0",
                                                          "\\u",
                                                          "-",
                                                          "999999999999",
                                                          "233",
                                                          "\\uc",
                                                          "\\bin",
                                                          "\\par",
                                                          "\\*",
                                                          "\\fonttbl",
                                                          "\\fs",
                                                          " ",
                                                          "a",
                                                          "\\\n",
                                                          "\xE9",
                                                          "?",
                                                          "\\pict",
                                                          "\\plain",
                                                          "\\~",
                                                          "\\line",
                                                          "\\colortbl",
                                                          "\\red",
                                                          ";",
                                                          "\\cf",
                                                          "\\f",
                                                          "Symbol",
                                                          "\\fcharset",
                                                          "\\'b7",
                                                          "\\field",
                                                          "\\fldinst",
                                                          "\\fldrslt",
                                                          " HYPERLINK \"",
                                                          "https://",
                                                          "www.",
                                                          "\\li",
                                                          "\\fi",
                                                          "\\qc",
                                                          "\\pard",
                                                          "\\strike",
                                                          "\\deff"};
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
        for (const auto& paragraph : document.paragraphs) {
            characters += paragraph.text().size();
            EXPECT_LE(paragraph.text().size(), RichDocumentBuilder::MaxParagraphCharacters);
        }
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

TEST(rich_text_reader, reads_a_file_of_the_largest_size_and_text_accepted) {
    const auto path = std::filesystem::temp_directory_path() / "quillex_reader_largest.rtf";
    // The most text, then a skipped group to fill the file.
    std::string text = "{\\rtf1 " + std::string(MaxRichTextCharacters, 'a') + "{\\info ";
    text += std::string(MaxRichTextFileBytes - text.size() - 2, 'b') + "}}";
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(std::filesystem::file_size(path), MaxRichTextFileBytes);
    const auto document = ReadRichTextFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(document.paragraphs.size(),
              MaxRichTextCharacters / RichDocumentBuilder::MaxParagraphCharacters);
}

TEST(rich_text_reader, missing_unreadable_or_oversized_file_fails_with_file_not_found) {
    const auto folder = std::filesystem::temp_directory_path();
    const auto missing = folder / "quillex_no_such_file.rtf";
    const auto large = folder / "quillex_reader_large.rtf";
    std::ofstream(large, std::ios::binary) << std::string(MaxRichTextFileBytes + 1, 'a');
    const auto paragraphs = folder / "quillex_reader_paragraphs.rtf";
    std::string pars;
    for (std::size_t i = 0; i <= MaxRichTextParagraphs; ++i) pars += "\\par ";
    std::ofstream(paragraphs, std::ios::binary) << pars;
    const auto characters = folder / "quillex_reader_characters.rtf";
    std::ofstream(characters, std::ios::binary) << std::string(MaxRichTextCharacters + 1, 'a');
    const auto styles = folder / "quillex_reader_styles.rtf";
    std::string changes;
    for (std::size_t i = 0; i <= MaxRichTextRuns / 2; ++i) changes += "{\\b a}{\\i b}";
    std::ofstream(styles, std::ios::binary) << changes;
    struct Row {
        std::filesystem::path path;
        std::u16string description;
    };
    const std::vector<Row> rows = {
        {missing, u"Fichier introuvable : " + FromUtf8(missing.string())},
        {folder, u"Fichier illisible : " + FromUtf8(folder.string())},
        {large, u"Fichier trop volumineux (plus de 1 Mio) : " + FromUtf8(large.string())},
        {paragraphs,
         u"Fichier trop complexe (plus de 10 000 paragraphes) : " + FromUtf8(paragraphs.string())},
        {styles, u"Fichier trop complexe (plus de 50 000 changements de style) : " +
                     FromUtf8(styles.string())},
        {characters,
         u"Fichier trop complexe (plus de 100 000 caractères) : " + FromUtf8(characters.string())},
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
    std::filesystem::remove(large);
    std::filesystem::remove(paragraphs);
    std::filesystem::remove(styles);
    std::filesystem::remove(characters);
}

// Each shape that once froze or held up the window is read, or refused, at once, and what is
// read stays within the bounds that keep its layout cheap.
TEST(rich_text_reader, every_hard_shape_is_read_or_refused_quickly_within_the_bounds) {
    using Builder = RichDocumentBuilder;
    const auto path = std::filesystem::temp_directory_path() / "quillex_reader_shape.rtf";
    std::vector<std::string> accepted;
    for (const auto& shape : testing::LicenceShapes(MaxRichTextFileBytes)) {
        std::ofstream(path, std::ios::binary) << shape.text;
        const auto start = std::chrono::steady_clock::now();
        try {
            const RichDocument document = ReadRichTextFile(path);
            accepted.push_back(shape.name);
            EXPECT_LE(EstimatedHeightTwips(document), MaxRichTextHeightTwips) << shape.name;
            for (const RichParagraph& paragraph : document.paragraphs) {
                const RichParagraphFormat& format = paragraph.format;
                ASSERT_LE(format.spaceBefore, Builder::MaxSpacingTwips) << shape.name;
                ASSERT_LE(format.spaceAfter, Builder::MaxSpacingTwips) << shape.name;
                ASSERT_GE(format.firstLineIndent, -format.leftIndent) << shape.name;
                ASSERT_LE(
                    format.leftIndent + format.rightIndent + std::max(0, format.firstLineIndent),
                    Builder::MaxIndentTwips)
                    << shape.name;
                for (const RichRun& run : paragraph.runs)
                    ASSERT_LE(run.halfPoints, Builder::MaxHalfPoints) << shape.name;
            }
        } catch (const InternalFailure& failure) {
            EXPECT_EQ(failure.code(), 53);
        }
        // Far above the time a reading takes, even unoptimised: a freeze, not a benchmark.
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), 5.0) << shape.name;
    }
    std::filesystem::remove(path);
    // The others are too tall, or hold too many characters or changes of style.
    EXPECT_EQ(accepted, (std::vector<std::string>{"space_before_after_23k", "font_size_16k",
                                                  "most_characters", "deep_groups"}));
}

TEST(rich_text_reader, a_text_taller_than_allowed_is_refused) {
    const auto path = std::filesystem::temp_directory_path() / "quillex_reader_tall.rtf";
    // Each paragraph an inch before and after, with a line between: 2 inches and a fifth.
    const auto paragraphs = [&](std::size_t count) {
        std::string text = "{\\rtf1\\sb1440\\sa1440 ";
        for (std::size_t i = 0; i < count; ++i) text += "x\\par ";
        std::ofstream(path, std::ios::binary) << text << "}";
    };
    const std::size_t most = MaxRichTextHeightTwips / (2 * 1440 + 300);
    paragraphs(most);
    EXPECT_EQ(ReadRichTextFile(path).paragraphs.size(), most);
    paragraphs(most + 1);
    try {
        ReadRichTextFile(path);
        ADD_FAILURE() << "a text too tall was read";
    } catch (const InternalFailure& failure) {
        EXPECT_EQ(failure.code(), 53);
        EXPECT_EQ(
            failure.description(),
            u"Fichier trop complexe (plus de 1 000 pages de texte) : " + FromUtf8(path.string()));
    }
    std::filesystem::remove(path);
}

// The fuzz seeds are the shapes, at a size a fuzzing run takes. QUILLEX_WRITE_SEEDS=1 writes
// them again after a change of the shapes.
TEST(rich_text_reader, the_fuzz_seeds_are_the_hard_shapes) {
    const std::filesystem::path corpus =
        std::filesystem::path(QUILLEX_SOURCE_DIR) / "tests/fuzz/corpus/rich_text";
    const bool write = std::getenv("QUILLEX_WRITE_SEEDS") != nullptr;
    for (const auto& shape : testing::LicenceShapes(testing::LicenceShapeSeedBytes)) {
        const auto path = corpus / ("shape_" + shape.name + ".rtf");
        if (write) std::ofstream(path, std::ios::binary) << shape.text;
        std::ifstream seed(path, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(seed), {}};
        EXPECT_TRUE(text == shape.text) << path << " differs: QUILLEX_WRITE_SEEDS=1 writes it";
    }
}

}  // namespace
}  // namespace quillex
