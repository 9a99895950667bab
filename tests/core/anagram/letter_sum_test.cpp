#include "core/anagram/LetterSum.h"

#include <gtest/gtest.h>

#include "core/anagram/DrawLetters.h"
#include "core/anagram/ExtraLetterSums.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex {
namespace {

// The sum a search compares: the draw's, the joker left out.
uint64_t SumOf(std::u16string_view letters) {
    return DrawLetters(letters).letterSum();
}

TEST(letter_sum, does_not_depend_on_letter_order) {
    for (std::u16string word : {u"CHIEN", u"ESARINTEE", u"ZZZZ", u"AB"}) {
        const uint64_t sum = SumOf(word);
        std::sort(word.begin(), word.end());
        do {
            EXPECT_EQ(SumOf(word), sum) << ToUtf8(word);
        } while (std::next_permutation(word.begin(), word.end()));
    }
}

TEST(letter_sum, tells_apart_letters_with_the_same_code_sum) {
    EXPECT_NE(SumOf(u"STATUT"), SumOf(u"TUSSAU"));
    EXPECT_NE(SumOf(u"PATATE"), SumOf(u"APPETE"));
    EXPECT_NE(SumOf(u"AC"), SumOf(u"BB"));
}

TEST(letter_sum, recognises_exactly_one_added_letter) {
    for (std::u16string_view base : {u"", u"CHIEN", u"EEEEEEEE", u"ZZZ"}) {
        const uint64_t baseSum = SumOf(base);
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            const std::u16string more = std::u16string(base) + letter;
            EXPECT_TRUE(LetterSum::isOneCharacter(SumOf(more) - baseSum)) << ToUtf8(more);
            EXPECT_FALSE(LetterSum::isOneCharacter(SumOf(more + u'E') - baseSum)) << ToUtf8(more);
        }
        EXPECT_FALSE(LetterSum::isOneCharacter(0));
        EXPECT_FALSE(LetterSum::isOneCharacter(SumOf(base) - baseSum));
    }
}

// A scan trusts the set never to turn away a word: every choice of letters is in it, in any
// order. It may let other differences through, but few.
TEST(letter_sum, extra_letter_sums_hold_every_choice_of_letters_and_little_else) {
    const auto weight = [](int letter) { return LetterSum::weight(char16_t(u'A' + letter)); };
    for (int count = 0; count <= ExtraLetterSums::MaxLetters; ++count) {
        const ExtraLetterSums sums(count);
        int others = 0;
        int othersLetIn = 0;
        for (int a = 0; a < 26; ++a)
            for (int b = 0; b < 26; ++b)
                for (int c = 0; c < 26; ++c) {
                    const uint64_t letters[] = {weight(a), weight(b), weight(c)};
                    uint64_t sum = 0;
                    for (int k = 0; k < count; ++k) sum += letters[k];
                    EXPECT_TRUE(sums.mayBe(sum)) << count << " letters " << a << b << c;
                    // One letter more, or one letter less, is another difference.
                    for (const uint64_t other :
                         {sum + weight((a + b + c) % 26), sum - letters[0]}) {
                        ++others;
                        othersLetIn += sums.mayBe(other);
                    }
                }
        EXPECT_LT(othersLetIn, others / 10) << count << " letters";
    }
}

// The sums are only a filter, but a good one: among the list's words, different letter
// counts almost never share a sum, so few words reach the exact count.
TEST(letter_sum, list_words_with_different_letters_have_different_sums) {
    const WordList list = LoadWordList(ScrabbleListResource);
    std::unordered_map<uint64_t, std::u16string> sortedLetters;
    int collisions = 0;
    for (int i = 0; i < list.count(); ++i) {
        std::u16string letters = DecodeWindows1252(list[i]);
        std::sort(letters.begin(), letters.end());
        const auto [at, added] = sortedLetters.emplace(SumOf(letters), letters);
        collisions += !added && at->second != letters;
    }
    EXPECT_EQ(collisions, 0);
}

}  // namespace
}  // namespace quillex
