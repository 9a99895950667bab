// One comparison testing two neighbouring positions of a word.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/pattern/LetterPair.h"

namespace quillex {
namespace {

// The pair at `offset` whose halves test `letters`; a zero byte is a joker.
LetterPair PairOf(int offset, std::array<char, 2> letters) {
    std::array<unsigned char, 2> mask{static_cast<unsigned char>(letters[0] ? 0xFF : 0),
                                      static_cast<unsigned char>(letters[1] ? 0xFF : 0)};
    LetterPair pair{offset, 0, 0};
    std::memcpy(&pair.mask, mask.data(), sizeof pair.mask);
    std::memcpy(&pair.value, letters.data(), sizeof pair.value);
    return pair;
}

TEST(letter_pair, fits_when_both_known_positions_hold_their_letters) {
    struct Row {
        std::string_view word;
        bool fits;
    };
    const LetterPair pair = PairOf(2, {'E', 'S'});
    for (const Row& row :
         {Row{"ABES", true}, Row{"ABESX", true}, Row{"ABSE", false}, Row{"ESAB", false},
          Row{"ABEs", false}, Row{"ABET", false}, Row{"AB\xC9S", false}}) {
        SCOPED_TRACE(std::string(row.word));
        EXPECT_EQ(pair.fits(row.word.data()), row.fits);
    }
}

TEST(letter_pair, a_joker_half_accepts_any_character) {
    const LetterPair pair = PairOf(0, {'\0', 'B'});
    EXPECT_TRUE(pair.fits("AB"));
    EXPECT_TRUE(pair.fits(" B"));
    EXPECT_TRUE(
        pair.fits("\xFF"
                  "B"));
    EXPECT_FALSE(pair.fits("BA"));
    EXPECT_TRUE(PairOf(0, {'\0', '\0'}).fits("ZZ"));
}

}  // namespace
}  // namespace quillex
