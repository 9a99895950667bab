#include "core/text/Text.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/text/Fold.h"
#include "tests/core/ExpectRows.h"

namespace quillex {
namespace {

TEST(text, windows1252_bytes_decode_to_their_unicode_characters) {
    const std::string_view bytes("A\0\x80\x8C\x92\x9C\x9F\xC9\xFF", 9);
    EXPECT_EQ(DecodeWindows1252(bytes),
              std::u16string(u"A\0\u20AC\u0152\u2019\u0153\u0178\u00C9\u00FF", 9));
}

TEST(text, undefined_windows1252_bytes_keep_their_c1_code) {
    EXPECT_EQ(DecodeWindows1252("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST(text, utf8_round_trip_keeps_accents_ligatures_and_astral_characters) {
    const std::u16string text = u"œil été Ça ’ \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"é"), "\xC3\xA9");
}

TEST(text, malformed_utf8_becomes_replacement_characters) {
    test::ExpectRows(FromUtf8, {
                                   {"a\xC3", u"a\uFFFD"},                    // truncated sequence
                                   {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong
                                   {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
                                   {"\xFF", u"\uFFFD"},
                               });
}

TEST(text, unpaired_surrogate_becomes_replacement_in_utf8) {
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(text, case_mapping_covers_french_letters_only) {
    EXPECT_EQ(ToLower(u"ÉTÉ À ÇA ŒIL ÆON Ÿ ÎLE ×"), u"été à ça œil æon ÿ île ×");
    EXPECT_EQ(ToUpper(u"été à ça œil ÿ ß ÷"), u"ÉTÉ À ÇA ŒIL Ÿ ß ÷");
}

TEST(text, trimming_drops_white_space_of_every_kind_at_the_ends_only) {
    test::ExpectRows(Trimmed,
                     {
                         {u"chat", u"chat"},
                         {u" \t chat\r\n", u"chat"},
                         {u"\u00A0mise à jour\u202F", u"mise à jour"},
                         {u"\u3000\u2009", u""},
                         {u"", u""},
                         {u"\u200Bchat", u"\u200Bchat"},  // a zero-width space is no white space
                         {u" chien \r\nchat", u"chien"},  // a pasted line break ends the text
                         {u"\n\n chat\u2028chien", u"chat"},
                     });
}

TEST(text, a_byte_of_the_lists_lowers_as_its_decoded_character) {
    for (int byte = 0; byte < 256; ++byte) {
        const char b = static_cast<char>(byte);
        ASSERT_EQ(LowerWindows1252Char(b), ToLower(DecodeWindows1252(std::string_view(&b, 1)))[0])
            << byte;
    }
}

// Each fold on the same texts: look-up spelling (a typed word against a headword), capitals
// without accents (the glossary filter, a Scrabble draw), grid spelling (a clue's synonyms).
TEST(text, each_fold_spells_french_text_its_own_way) {
    const struct {
        std::u16string_view text, lookup, capitals;
        std::string_view grid;
    } rows[] = {
        {u"été", u"ete", u"ETE", "ETE"},
        {u"THÉÂTRE", u"theatre", u"THEATRE", "THEATRE"},
        {u"Hôpital", u"hopital", u"HOPITAL", "HOPITAL"},
        {u"ça", u"ca", u"CA", "CA"},
        {u"Œuvre", u"oeuvre", u"OEUVRE", "OEUVRE"},
        {u"cœur", u"coeur", u"COEUR", "COEUR"},
        {u"Æschne", u"aeschne", u"AESCHNE", "AESCHNE"},
        {u"Noël ÿ Ÿ Š ž", u"noel y y s z", u"NOEL Y Y S Z", "NOELYYSZ"},
        {u"mise à jour", u"mise a jour", u"MISE A JOUR", "MISEAJOUR"},
        {u"aujourd'hui", u"aujourd'hui", u"AUJOURD'HUI", "AUJOURDHUI"},
        {u"porte-monnaie", u"porte-monnaie", u"PORTE-MONNAIE", "PORTEMONNAIE"},
        {u"straße", u"straße", u"STRASSE", "STRASSE"},
        {u"e\u0301te\u0301", u"e\u0301te\u0301", u"ETE", "ETE"},  // combining accents
        {u"12 ans ×", u"12 ans ×", u"12 ANS ×", "ANS"},
        {u"", u"", u"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LookupSpelling(row.text), row.lookup) << ToUtf8(row.text);
        EXPECT_EQ(FoldAccents(row.text), row.capitals) << ToUtf8(row.text);
        EXPECT_EQ(GridSpelling(row.text), row.grid) << ToUtf8(row.text);
    }
}

TEST(text, a_line_of_the_lists_compares_in_look_up_spelling_as_its_decoded_text_does) {
    const struct {
        std::string_view bytes;  // Windows-1252
        std::u16string_view folded;
        bool startsWith, equals;
    } rows[] = {
        {"th\xE9\xE2tre", u"theatre", true, true},
        {"\xC9"
         "cole@coll\xE8ge",
         u"ecole@", true, false},
        {"\x9Cil", u"oe", true, false},
        {"\x9Cil", u"oeil", true, true},
        {"\x8Cil", u"o", true, false},
        {"p\xEA"
         "che",
         u"peche", true, true},
        {"p\xEA"
         "che",
         u"pechent", false, false},
        {"chat", u"chats", false, false},
        {"chat", u"", true, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LookupSpellingStartsWith(row.bytes, row.folded), row.startsWith) << row.bytes;
        EXPECT_EQ(LookupSpellingEquals(row.bytes, row.folded), row.equals) << row.bytes;
        EXPECT_EQ(LookupSpelling(row.bytes), LookupSpelling(DecodeWindows1252(row.bytes)));
    }
}

}  // namespace
}  // namespace quillex
