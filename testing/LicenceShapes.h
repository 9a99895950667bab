#pragma once

// Licence files in the shapes hardest on the rich-text reader and the view that shows it: each
// one once froze the window or held it up. Used by the reader's test, the licence benchmark,
// the window test and the fuzz seeds.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "core/richtext/RichTextReader.h"

namespace quillex::testing {

struct LicenceShape {
    std::string name;
    std::string text;
};

namespace licence_shapes {

// `head`, then `piece` repeated until the text is `bytes` long, inside one RTF group.
inline std::string Filled(const std::string& head, const std::string& piece, std::size_t bytes) {
    std::string text = "{\\rtf1\\ansi" + head + " ";
    while (text.size() + piece.size() + 1 <= bytes) text += piece;
    if (text.size() + 1 < bytes) text.resize(bytes - 1, ' ');
    return text + "}";
}

// `count` times `piece`, then a closing brace.
inline std::string Repeated(const std::string& head, const std::string& piece, std::size_t count) {
    std::string text = "{\\rtf1\\ansi" + head + " ";
    for (std::size_t i = 0; i < count; ++i) text += piece;
    return text + "}";
}

// About `paragraphs` paragraphs, each `format` then words, together about `bytes` long.
inline std::string Paragraphs(const std::string& head, const std::string& format, std::size_t bytes,
                              std::size_t paragraphs) {
    const std::size_t each = bytes / paragraphs;
    std::string paragraph = format;
    while (paragraph.size() + 4 + 5 <= each) paragraph += "mot ";
    paragraph.resize(each - 5, ' ');
    return Filled(head, paragraph + "\\par ", bytes);
}

// A font table of Symbol fonts `tableBytes` long, then text in another font.
inline std::string SymbolFonts(std::size_t bytes, std::size_t tableBytes) {
    std::string table = "{\\fonttbl{\\f0\\fswiss Calibri;}";
    while (table.size() < tableBytes) table += "\\f1 Symbol;";
    return Filled("\\deff0" + table + "}\\f0", "mot ", bytes);
}

// One hyperlink field with a 2 KB address over the whole text.
inline std::string LongLink(std::size_t bytes) {
    const std::string address = "https://a.fr/" + std::string(2048 - 13, 'a');
    std::string text =
        Filled("{\\field{\\*\\fldinst HYPERLINK \"" + address + "\"}{\\fldrslt", "mot ", bytes - 2);
    return text + "}}";
}

}  // namespace licence_shapes

/// The size of the fuzz seeds made from the shapes.
inline constexpr std::size_t LicenceShapeSeedBytes = 8192;

/// The shapes; those that fill a file are `bytes` long (at most 1 MiB, the largest accepted).
inline std::vector<LicenceShape> LicenceShapes(std::size_t bytes) {
    using namespace licence_shapes;
    const std::size_t most = bytes / 105;  // paragraphs of about a line and a half each
    return {
        // Spacing, sizes and indents at the largest values RTF allows.
        {"space_before_after_23k", Repeated("\\sb31680\\sa31680", "x\\par ", 3960)},
        {"font_size_16k", Repeated("\\fs3276", "mot ", 4096)},
        {"font_size_filled", Filled("\\fs3276", "mot ", bytes)},
        {"indents_filled", Filled("\\li31680\\ri31680", "mot ", bytes)},
        {"first_line_indent_filled", Paragraphs("", "\\fi31680 ", bytes, most)},
        {"space_before_after_filled", Paragraphs("\\sb31680\\sa31680", "", bytes, most)},
        // Per-character work.
        {"symbol_font_table", SymbolFonts(bytes, bytes / 4 * 3)},
        {"symbol_font_table_tenth", SymbolFonts(bytes, bytes / 40 * 3)},
        {"long_link", LongLink(bytes)},
        // Many of what a view spends time on.
        {"most_paragraphs", Paragraphs("", "", bytes, most)},
        {"formatted_paragraphs",
         Paragraphs("{\\colortbl;\\red200\\green0\\blue0;}",
                    "\\pard\\li360\\fi-240\\sb60\\sa60\\qj\\cf1\\strike ", bytes, most)},
        {"one_paragraph_of_words", Filled("", "mot ", bytes)},
        {"one_word", Filled("", "a", bytes)},
        // The most text accepted, in words.
        {"most_characters", Filled("", "mot ", std::min(bytes, MaxRichTextCharacters + 13))},
        {"style_changes", Filled("", "{\\b a}{\\i b}", bytes)},
        {"unicode_escapes", Filled("\\uc1", "\\u233?", bytes)},
        {"deep_groups", Filled("", "{", bytes)},
        {"web_addresses", Filled("", "https://a.fr/ ", bytes)},
        {"bullets", Paragraphs("{\\fonttbl{\\f0 Calibri;}{\\f1\\fcharset2 Symbol;}}",
                               "\\pard\\li720\\fi-360{\\pntext\\f1\\'B7\\tab}", bytes, most)},
    };
}

}  // namespace quillex::testing
