#include "core/pattern/PatternProbe.h"

#include <algorithm>
#include <cstring>

#include "core/pattern/Pattern.h"

namespace quillex {
namespace {

// Share of each letter A..Z among the letters of the main list, per mille (W rounded up to 1 so
// that it stays apart from characters no word holds). Only used to order the pairs.
constexpr std::array<int, 26> LetterShare{97, 15, 35, 23, 147, 13, 16, 13, 94, 2, 1, 41, 26,
                                          72, 61, 23, 5,  85,  99, 69, 36, 9,  1, 3, 4,  10};

// How likely a word's character is to equal the symbol, per mille; a joker always fits.
long FitChance(char symbol) {
    if (symbol == PatternJoker) return 1000;
    if (symbol < 'A' || symbol > 'Z') return 0;
    return LetterShare[symbol - 'A'];
}

struct RankedPair {
    LetterPair pair;
    long chance;  // product of the two positions' chances
};

// The pair at `offset` testing the positions from `owned` on; earlier ones count as jokers.
RankedPair MakePair(int offset, int owned, std::string_view pattern) {
    std::array<unsigned char, 2> mask{0, 0}, value{0, 0};
    long chance = 1;
    for (int half = 0; half < 2; ++half) {
        const int position = offset + half;
        const char symbol = position >= owned && static_cast<size_t>(position) < pattern.size()
                                ? pattern[position]
                                : PatternJoker;
        chance *= FitChance(symbol);
        if (symbol == PatternJoker) continue;
        mask[half] = 0xFF;
        value[half] = static_cast<unsigned char>(symbol);
    }
    LetterPair pair{offset, 0, 0};
    std::memcpy(&pair.mask, mask.data(), sizeof pair.mask);
    std::memcpy(&pair.value, value.data(), sizeof pair.value);
    return {pair, chance};
}

}  // namespace

PatternProbe::PatternProbe(int length, std::string_view pattern) {
    length = std::clamp(length, 2, MaxLength);
    pattern = pattern.substr(0, std::min<size_t>(pattern.size(), length));
    std::array<RankedPair, MaxLength / 2> ranked{};
    for (int owned = 0; owned < length; owned += 2) {
        // An odd length's last pair starts one position early, so that it stays inside the word.
        const RankedPair candidate = MakePair(std::min(owned, length - 2), owned, pattern);
        if (candidate.pair.mask != 0) ranked[count_++] = candidate;
    }
    std::stable_sort(ranked.begin(), ranked.begin() + count_,
                     [](const RankedPair& a, const RankedPair& b) { return a.chance < b.chance; });
    for (size_t i = 0; i < count_; ++i) pairs_[i] = ranked[i].pair;
    if (count_ == 0) pairs_[count_++] = LetterPair{0, 0, 0};
}

}  // namespace quillex
