#include "anagram/AnagramSearch.h"

#include <algorithm>
#include <array>

#include "anagram/DrawLetters.h"
#include "anagram/LetterSum.h"
#include "wordlists/LengthRanges.h"

namespace quillex {
namespace {

using Words = std::vector<std::u16string_view>;

AnagramStatus Validate(std::u16string_view draw) {
    if (draw.size() < 2) return AnagramStatus::DrawTooShort;
    if (std::count(draw.begin(), draw.end(), Joker) > 1) return AnagramStatus::TooManyJokers;
    if (draw.size() > static_cast<size_t>(MaxScrabbleLength)) return AnagramStatus::DrawTooLong;
    return AnagramStatus::Found;
}

// Scans list indexes [first, last) for anagrams of Length letters. Comparing letter sums
// rejects almost every word in a few instructions; the rare word whose sum fits is counted
// letter by letter, so the result never rests on the sums alone. Candidates are gathered a
// block at a time so that the sum loop calls nothing and keeps the list in registers.
template <int Length>
void ScanSlice(const WordList& list, int first, int last, const DrawLetters& letters,
               Words& found) {
    const uint64_t drawSum = letters.letterSum();
    const bool joker = letters.hasJoker();
    constexpr int BlockSize = 256;
    std::array<int, BlockSize> candidates;
    for (int blockStart = first; blockStart < last; blockStart += BlockSize) {
        const int blockEnd = std::min(last, blockStart + BlockSize);
        int candidateCount = 0;
        for (int i = blockStart; i < blockEnd; ++i) {
            const auto word = list[i];
            if (word.size() != Length) continue;
            uint64_t sum = 0;
            for (int k = 0; k < Length; ++k) sum += LetterSum::weight(word[k]);
            const uint64_t extra = sum - drawSum;
            candidates[candidateCount] = i;
            candidateCount += joker ? LetterSum::isOneCharacter(extra) : extra == 0;
        }
        for (int c = 0; c < candidateCount; ++c) {
            const auto word = list[candidates[c]];
            if (letters.isAnagram(word)) found.push_back(word);
        }
    }
}

using SliceScanner = void (*)(const WordList&, int, int, const DrawLetters&, Words&);
constexpr std::array<SliceScanner, MaxScrabbleLength - MinScrabbleLength + 1> SliceScanners = {
    ScanSlice<2>, ScanSlice<3>, ScanSlice<4>, ScanSlice<5>,
    ScanSlice<6>, ScanSlice<7>, ScanSlice<8>, ScanSlice<9>};

}  // namespace

AnagramOutcome AnagramSearch(std::u16string_view draw, const WordList& scrabbleList) {
    AnagramOutcome outcome{Validate(draw), {}};
    if (outcome.status != AnagramStatus::Found) return outcome;
    const DrawLetters letters(draw);
    if (letters.hasForeignCharacter()) return outcome;
    const int length = static_cast<int>(draw.size());
    const auto range = ScrabbleLengthRange(length);
    const int last = std::min(range.last, scrabbleList.count());
    SliceScanners[length - MinScrabbleLength](scrabbleList, range.first - 1, last, letters,
                                              outcome.words);
    return outcome;
}

}  // namespace quillex
