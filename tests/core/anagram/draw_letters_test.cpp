#include "core/anagram/DrawLetters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/anagram/PackedDrawLetters.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// The letters left to jokers, and where: the drawn letters go to the first occurrences.
TEST(draw_letters, counts_and_places_the_letters_a_word_leaves_to_jokers) {
    constexpr int NoFit = DrawLetters::NoFit;
    struct Row {
        std::u16string draw;
        std::u16string word;
        int uncovered;
        uint16_t places;
    };
    const std::vector<Row> rows = {
        {u"CHIEN", u"NICHE", 0, 0b00000},
        {u"CHIEN", u"CHIEN", 0, 0b00000},
        {u"CHIENS", u"CHIEN", 0, 0b00000},
        {u"CHIEN", u"CHIES", 1, 0b10000},
        {u"?HIEN", u"CHIEN", 1, 0b00001},
        {u"CHIEN?", u"CHIENS", 1, 0b100000},
        {u"CHIEN?", u"CHASSE", 3, 0b011100},
        // Equal sums of codes, other letters.
        {u"STATUT", u"TUSSAU", 2, 0b101000},
        {u"PATATE", u"APPETE", 2, 0b100100},
        {u"CHIEN?", u"NICHEE", 1, 0b100000},
        {u"CHIEN", u"ECHINE", 1, 0b100000},
        {u"EE?", u"EEEE", 2, 0b1100},
        {u"ES", u"SEES", 2, 0b1100},
        {u"SSSSSSSS?", u"SES", 1, 0b010},
        {u"EEEEEEEEE", u"EEEEEEEE", 0, 0},
        {u"EEEEEEEE?", u"EEEEEEEEE", 1, 0b100000000},
        {u"EEEEEEEE?", u"EEEEEEESS", 2, 0b110000000},
        {u"EEEEESSSS", u"SESESESEE", 0, 0},
        {u"EEEEESSSS", u"SESESESES", 1, 0b100000000},
        {u"??", u"ZZ", 2, 0b11},
        {u"E??", u"SEE", 2, 0b101},
        {u"E??", u"SSS", 3, 0b111},
        {u"ABC", u"", 0, 0},
        {u"", u"ZZ", 2, 0b11},
        {u"chien", u"NICHE", 0, 0},
        {u"CHIEN", u"niche", NoFit, 0b11111},
        {u"CHIEN", u"NICHÉ", NoFit, 0b10000},
        {u"CHIÉN", u"NICHE", 1, 0b10000},
        {u"CHIEN", u"NI@HE", NoFit, 0b00100},
        {u"A?", u"A@", NoFit, 0b10},
        {u"A?", u"A[", NoFit, 0b10},
        {u"A?", u"A?", NoFit, 0b10},
        {u"A", std::u16string(17, u'A'), NoFit, 0xFFFE},
        {std::u16string(300, u'E'), std::u16string(16, u'E'), 0, 0},
    };
    for (const auto& row : rows) {
        const DrawLetters letters(row.draw);
        const std::string label = ToUtf8(row.draw) + " / " + ToUtf8(row.word);
        EXPECT_EQ(letters.uncoveredCount(std::u16string_view(row.word)), row.uncovered) << label;
        EXPECT_EQ(letters.uncoveredPlaces(std::u16string_view(row.word)), row.places) << label;
        // The register count agrees wherever it applies.
        const PackedDrawLetters packed(letters);
        if (packed.usable() && row.word.size() <= PackedDrawLetters::MaxLength) {
            EXPECT_EQ(packed.uncoveredCount(std::u16string_view(row.word)), row.uncovered) << label;
        }
    }
    // Four bits a letter start at 7 minus the drawn count: no room for eight of one letter.
    EXPECT_TRUE(PackedDrawLetters(DrawLetters(u"SSSSSSS??")).usable());
    EXPECT_FALSE(PackedDrawLetters(DrawLetters(u"SSSSSSSS?")).usable());
    EXPECT_FALSE(PackedDrawLetters(DrawLetters(u"EEEEEEEEE")).usable());
}

TEST(draw_letters, counts_jokers_and_flags_characters_that_are_neither_letters_nor_jokers) {
    struct Row {
        std::u16string draw;
        bool foreign;
        int jokers;
    };
    const std::vector<Row> rows = {
        {u"CHIEN", false, 0}, {u"chien?", false, 1}, {u"azAZ", false, 0}, {u"??A", false, 2},
        {u"CHIÉN", true, 0},  {u"É?", true, 1},      {u"CH1EN", true, 0}, {u"CH EN", true, 0},
        {u"@[`{", true, 0},   {u"Œ", true, 0},
    };
    for (const auto& row : rows) {
        const DrawLetters letters(row.draw);
        EXPECT_EQ(letters.hasForeignCharacter(), row.foreign) << ToUtf8(row.draw);
        EXPECT_EQ(letters.jokerCount(), row.jokers) << ToUtf8(row.draw);
    }
}

}  // namespace
}  // namespace quillex
