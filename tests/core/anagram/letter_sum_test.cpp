#include "anagram/LetterSum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>

#include "text/Text.h"
#include "wordlists/LoadWordList.h"

namespace quillex {
namespace {

TEST(letter_sum, does_not_depend_on_letter_order) {
    for (std::u16string word : {u"CHIEN", u"ESARINTEE", u"ZZZZ", u"AB"}) {
        const uint64_t sum = LetterSum::of(word);
        std::sort(word.begin(), word.end());
        do {
            EXPECT_EQ(LetterSum::of(word), sum) << ToUtf8(word);
        } while (std::next_permutation(word.begin(), word.end()));
    }
}

TEST(letter_sum, tells_apart_letters_with_the_same_code_sum) {
    EXPECT_NE(LetterSum::of(u"STATUT"), LetterSum::of(u"TUSSAU"));
    EXPECT_NE(LetterSum::of(u"PATATE"), LetterSum::of(u"APPETE"));
    EXPECT_NE(LetterSum::of(u"AC"), LetterSum::of(u"BB"));
}

TEST(letter_sum, recognises_exactly_one_added_letter) {
    for (std::u16string_view base : {u"", u"CHIEN", u"EEEEEEEE", u"ZZZ"}) {
        const uint64_t baseSum = LetterSum::of(base);
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            const std::u16string more = std::u16string(base) + letter;
            EXPECT_TRUE(LetterSum::isOneCharacter(LetterSum::of(more) - baseSum)) << ToUtf8(more);
            EXPECT_FALSE(LetterSum::isOneCharacter(LetterSum::of(more + u'E') - baseSum))
                << ToUtf8(more);
        }
        EXPECT_FALSE(LetterSum::isOneCharacter(0));
        EXPECT_FALSE(LetterSum::isOneCharacter(LetterSum::of(base) - baseSum));
    }
}

// The sums are only a filter, but a good one: among the list's words, different letter
// counts almost never share a sum, so few words reach the exact count.
TEST(letter_sum, list_words_with_different_letters_have_different_sums) {
    const WordList list = LoadWordList(ScrabbleListResource);
    std::unordered_map<uint64_t, std::u16string> sortedLetters;
    int collisions = 0;
    for (int i = 0; i < list.count(); ++i) {
        std::u16string letters(list[i]);
        std::sort(letters.begin(), letters.end());
        const auto [at, added] = sortedLetters.emplace(LetterSum::of(letters), letters);
        collisions += !added && at->second != letters;
    }
    EXPECT_EQ(collisions, 0);
}

}  // namespace
}  // namespace quillex
