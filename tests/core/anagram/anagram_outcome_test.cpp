#include "anagram/AnagramOutcome.h"

#include <gtest/gtest.h>

namespace quillex {
namespace {

TEST(anagram_outcome, each_refusal_has_its_own_french_message) {
    EXPECT_EQ(RefusalText(AnagramStatus::DrawTooShort),
              u"Vous devez saisir, dans la zone de texte, un mot compris entre 3 et 9 lettres.");
    EXPECT_EQ(RefusalText(AnagramStatus::TooManyJokers),
              u"Un seul joker est autorisé pour la recherche. Modifiez votre requête.");
    EXPECT_FALSE(RefusalText(AnagramStatus::DrawTooLong).empty());
    EXPECT_NE(RefusalText(AnagramStatus::DrawTooLong), RefusalText(AnagramStatus::DrawTooShort));
    EXPECT_NE(RefusalText(AnagramStatus::DrawTooLong), RefusalText(AnagramStatus::TooManyJokers));
}

TEST(anagram_outcome, a_found_outcome_has_no_message) {
    EXPECT_TRUE(RefusalText(AnagramStatus::Found).empty());
}

}  // namespace
}  // namespace quillex
