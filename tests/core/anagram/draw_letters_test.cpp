#include "core/anagram/DrawLetters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/anagram/ShortWordExcess.h"
#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex {
namespace {

// A word as the lists hold it, in Windows-1252 bytes.
std::string Bytes(std::u16string_view word) {
    std::string bytes;
    for (const char16_t c : word) bytes += static_cast<char>(Windows1252Byte(c));
    return bytes;
}

TEST(draw_letters, tells_exact_anagrams_from_other_words) {
    struct Row {
        std::u16string draw;
        std::u16string word;
        bool anagram;
    };
    const std::vector<Row> rows = {
        {u"CHIEN", u"NICHE", true},
        {u"chien", u"NICHE", true},
        {u"CHIEN", u"CHIEN", true},
        {u"CHIEN", u"CHIENS", false},
        {u"CHIENS", u"CHIEN", false},
        {u"CHIEN", u"CHIES", false},
        {u"STATUT", u"TUSSAU", false},
        {u"PATATE", u"APPETE", false},
        {u"CHIEN?", u"CHIENS", true},
        {u"CHIEN?", u"NICHEE", true},
        {u"?HIEN", u"CHIEN", true},
        {u"CHIEN?", u"CHIEN", false},
        {u"CHIEN?", u"CHASSE", false},
        {u"EEEEEEEEE", u"EEEEEEEEE", true},
        {u"EEEEEEEE?", u"EEEEEEEEE", true},
        {u"EEEEEEEE?", u"EEEEEEESS", false},
        {u"EEEEESSSS", u"SESESESEE", true},
        {u"EEEEESSSS", u"SESESESES", false},
        {u"AB", u"ab", false},
        {u"A?", u"A\u00C9", false},
        {u"A?", u"A?", false},
        {u"A?", u"A@", false},
        {u"A?", u"A[", false},
        {u"??", u"ZZ", true},
        {u"E??", u"SEE", true},
        {u"E??", u"SSS", false},
        {std::u16string(300, u'E'), std::u16string(300, u'E'), true},
        {std::u16string(300, u'E'), std::u16string(299, u'E') + u"S", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DrawLetters(row.draw).isAnagram(Bytes(row.word)), row.anagram)
            << ToUtf8(row.draw) << " / " << ToUtf8(row.word);
}

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
        {u"CHIEN?", u"CHIENS", 1, 0b100000},
        {u"CHIEN?", u"NICHEE", 1, 0b100000},
        {u"CHIEN", u"ECHINE", 1, 0b100000},
        {u"EE?", u"EEEE", 2, 0b1100},
        {u"ES", u"SEES", 2, 0b1100},
        {u"SSSSSSSS?", u"SES", 1, 0b010},
        {u"EEEEEEEEE", u"EEEEEEEE", 0, 0},
        {u"ABC", u"", 0, 0},
        {u"", u"ZZ", 2, 0b11},
        {u"chien", u"NICHE", 0, 0},
        {u"CHIEN", u"niche", NoFit, 0b11111},
        {u"CHIEN", u"NICHÉ", NoFit, 0b10000},
        {u"CHIÉN", u"NICHE", 1, 0b10000},
        {u"CHIEN", u"NI@HE", NoFit, 0b00100},
        {u"A", std::u16string(17, u'A'), NoFit, 0xFFFE},
        {std::u16string(300, u'E'), std::u16string(16, u'E'), 0, 0},
    };
    for (const auto& row : rows) {
        const DrawLetters letters(row.draw);
        const std::string label = ToUtf8(row.draw) + " / " + ToUtf8(row.word);
        EXPECT_EQ(letters.uncoveredCount(std::u16string_view(row.word)), row.uncovered) << label;
        EXPECT_EQ(letters.uncoveredPlaces(std::u16string_view(row.word)), row.places) << label;
        // The register count agrees wherever it applies.
        const ShortWordExcess excess(letters);
        if (excess.usable() && row.word.size() <= ShortWordExcess::MaxLength) {
            EXPECT_EQ(excess.uncoveredCount(std::u16string_view(row.word)), row.uncovered) << label;
        }
    }
    // Four bits a letter start at 7 minus the drawn count: no room for eight of one letter.
    EXPECT_TRUE(ShortWordExcess(DrawLetters(u"SSSSSSS??")).usable());
    EXPECT_FALSE(ShortWordExcess(DrawLetters(u"SSSSSSSS?")).usable());
    EXPECT_FALSE(ShortWordExcess(DrawLetters(u"EEEEEEEEE")).usable());
}

TEST(draw_letters, flags_characters_that_are_neither_letters_nor_the_joker) {
    struct Row {
        std::u16string draw;
        bool foreign;
        bool joker;
    };
    const std::vector<Row> rows = {
        {u"CHIEN", false, false}, {u"chien?", false, true}, {u"azAZ", false, false},
        {u"CHIÉN", true, false},  {u"É?", true, true},      {u"CH1EN", true, false},
        {u"CH EN", true, false},  {u"@[`{", true, false},   {u"Œ", true, false},
    };
    for (const auto& row : rows) {
        const DrawLetters letters(row.draw);
        EXPECT_EQ(letters.hasForeignCharacter(), row.foreign) << ToUtf8(row.draw);
        EXPECT_EQ(letters.hasJoker(), row.joker) << ToUtf8(row.draw);
    }
}

TEST(draw_letters, a_draw_with_foreign_characters_is_nobody_s_anagram) {
    EXPECT_FALSE(DrawLetters(u"CHI\u00C9N").isAnagram("CHI\xC9N"));
    EXPECT_FALSE(DrawLetters(u"CH EN").isAnagram("CH EN"));
}

// Every word of the Scrabble list, reversed so that no letter stays in place, is an anagram
// of itself, and still is with the joker standing for any one of its letters.
TEST(draw_letters, every_list_word_is_an_anagram_of_itself_with_or_without_the_joker) {
    const WordList list = LoadWordList(ScrabbleListResource);
    int failures = 0;
    for (int i = 0; i < list.count() && failures < 10; ++i) {
        const std::u16string word = DecodeWindows1252(list[i]);
        const std::u16string draw(word.rbegin(), word.rend());
        if (!DrawLetters(draw).isAnagram(list[i])) ++failures, ADD_FAILURE() << ToUtf8(word);
        for (size_t at = 0; at < draw.size(); ++at) {
            std::u16string withJoker = draw;
            withJoker[at] = u'?';
            if (!DrawLetters(withJoker).isAnagram(list[i]))
                ++failures, ADD_FAILURE() << ToUtf8(withJoker) << " for " << ToUtf8(word);
        }
    }
}

}  // namespace
}  // namespace quillex
