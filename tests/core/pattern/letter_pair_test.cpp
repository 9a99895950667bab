// One comparison testing two neighbouring positions of a word.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "pattern/LetterPair.h"

namespace quillex {
namespace {

// The pair at `offset` whose halves test `letters`; a zero character is a joker.
LetterPair PairOf(int offset, std::array<char16_t, 2> letters) {
    std::array<char16_t, 2> mask{letters[0] ? u'\xFFFF' : u'\0', letters[1] ? u'\xFFFF' : u'\0'};
    LetterPair pair{offset, 0, 0};
    std::memcpy(&pair.mask, mask.data(), sizeof pair.mask);
    std::memcpy(&pair.value, letters.data(), sizeof pair.value);
    return pair;
}

TEST(letter_pair, fits_when_both_known_positions_hold_their_letters) {
    struct Row {
        std::u16string_view word;
        bool fits;
    };
    const LetterPair pair = PairOf(2, {u'E', u'S'});
    for (const Row& row : {Row{u"ABES", true}, Row{u"ABESX", true}, Row{u"ABSE", false},
                           Row{u"ESAB", false}, Row{u"ABEs", false}, Row{u"ABET", false}}) {
        SCOPED_TRACE(std::string(row.word.begin(), row.word.end()));
        EXPECT_EQ(pair.fits(row.word.data()), row.fits);
    }
}

TEST(letter_pair, a_joker_half_accepts_any_character) {
    const LetterPair pair = PairOf(0, {u'\0', u'B'});
    EXPECT_TRUE(pair.fits(u"AB"));
    EXPECT_TRUE(pair.fits(u" B"));
    EXPECT_FALSE(pair.fits(u"BA"));
    EXPECT_TRUE(PairOf(0, {u'\0', u'\0'}).fits(u"ZZ"));
}

}  // namespace
}  // namespace quillex
