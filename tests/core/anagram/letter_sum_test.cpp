#include "core/anagram/LetterSum.h"

#include <gtest/gtest.h>

#include "core/anagram/ExtraLetterSums.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

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
        const auto [at, added] = sortedLetters.emplace(LetterSum::of(letters), letters);
        collisions += !added && at->second != letters;
    }
    EXPECT_EQ(collisions, 0);
}

}  // namespace
}  // namespace quillex
