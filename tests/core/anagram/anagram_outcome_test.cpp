#include "core/anagram/AnagramOutcome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/anagram/MarkedWord.h"

namespace quillex {
namespace {

TEST(anagram_outcome, each_refusal_has_its_own_french_message) {
    EXPECT_EQ(RefusalText(AnagramStatus::DrawTooShort),
              u"Vous devez saisir, dans la zone de texte, un mot compris entre 3 et 9 lettres.");
    EXPECT_EQ(RefusalText(AnagramStatus::TooManyJokers),
              u"Un seul joker est autorisé pour la recherche. Modifiez votre requête.");
    EXPECT_EQ(RefusalText(AnagramStatus::MoreThanTwoJokers),
              u"Deux jokers au plus sont autorisés pour la recherche. Modifiez votre requête.");
    EXPECT_FALSE(RefusalText(AnagramStatus::DrawTooLong).empty());
    EXPECT_NE(RefusalText(AnagramStatus::DrawTooLong), RefusalText(AnagramStatus::DrawTooShort));
    EXPECT_NE(RefusalText(AnagramStatus::DrawTooLong), RefusalText(AnagramStatus::TooManyJokers));
}

TEST(anagram_outcome, a_marked_word_has_its_marked_capitals_in_lower_case) {
    struct Row {
        std::u16string_view word;
        uint16_t places;
        std::u16string marked;
    };
    const std::vector<Row> rows = {
        {u"CHIENS", 0b100000, u"CHIENs"}, {u"NICHEE", 0b100000, u"NICHEe"},
        {u"KAWA", 0b1010, u"KaWa"},       {u"ZZ", 0b11, u"zz"},
        {u"CHIEN", 0, u"CHIEN"},          {u"AB", 0xFFFF, u"ab"},
        {u"É?a", 0b111, u"É?a"},          {u"", 0b1, u""},
    };
    for (const auto& row : rows) EXPECT_EQ(MarkedWord(row.word, row.places), row.marked);
    EXPECT_EQ(MarkedWord(std::string_view("NICHEE"), 0b100000), "NICHEe");
}

TEST(anagram_outcome, a_found_outcome_has_no_message) {
    EXPECT_TRUE(RefusalText(AnagramStatus::Found).empty());
}

}  // namespace
}  // namespace quillex
