#include "core/anagram/AnagramSearch.h"

#include <algorithm>
#include <array>

#include "core/anagram/DrawLetters.h"
#include "core/anagram/ExtraLetterSums.h"
#include "core/anagram/LetterSum.h"
#include "core/anagram/PackedDrawLetters.h"
#include "core/wordlists/LengthSlices.h"

namespace quillex {
namespace {

using Words = std::vector<std::string_view>;

AnagramStatus Validate(const AnagramQuery& query) {
    const auto draw = query.draw;
    if (draw.size() < 2) return AnagramStatus::DrawTooShort;
    const auto jokers = std::count(draw.begin(), draw.end(), Joker);
    if (jokers > (query.twoJokers ? 2 : 1))
        return query.twoJokers ? AnagramStatus::MoreThanTwoJokers : AnagramStatus::TooManyJokers;
    if (draw.size() > static_cast<size_t>(MaxScrabbleLength)) return AnagramStatus::DrawTooLong;
    return AnagramStatus::Found;
}

// The list's elements [first, last) as they lie in its bytes. When both ends have Length letters
// and sit a whole number of (Length + 2)-byte lines apart, word i starts at
// begin + (i - first) * (Length + 2): the scan reads it with no look-up and no test. Otherwise
// each element is read on its own.
template <int Length>
class SliceReader {
  public:
    SliceReader(const WordList& list, int first, int last) : list_(list), first_(first) {
        if (first >= last) return;
        const std::string_view front = list[first], back = list[last - 1];
        if (front.size() == Length && back.size() == Length &&
            back.data() == front.data() + static_cast<size_t>(last - 1 - first) * Stride)
            begin_ = front.data();
    }

    /// Runs `scan` with the reader of word i that fits this slice, so that the scan's loop is
    /// compiled once for each layout and holds no test of it.
    template <typename Scan>
    void read(Scan&& scan) const {
        if (begin_) {
            scan([begin = begin_ - static_cast<ptrdiff_t>(first_) * Stride](int i) {
                return std::string_view(begin + static_cast<ptrdiff_t>(i) * Stride, Length);
            });
        } else {
            scan([&list = list_](int i) { return list[i]; });
        }
    }

  private:
    static constexpr ptrdiff_t Stride = Length + 2;
    const WordList& list_;
    int first_;
    const char* begin_ = nullptr;  // set when the elements are evenly laid out
};

// What a scan of one length needs: the draw, and how many letters of a word it may leave to
// jokers or to the board.
struct SliceSearch {
    const DrawLetters& letters;
    int freeLetters;
    // Set for a scan of words as long as the draw and two free letters or more.
    const ExtraLetterSums* extraSums;
    // Set for a scan of shorter words when the draw allows it.
    const PackedDrawLetters* packedLetters;
};

// How a scan of the whole draw tells a word's letter sum worth counting: the same sum as the
// draw's, the draw's and one letter, or the draw's and one of ExtraLetterSums.
enum class SumTest { Same, OneMore, Extra };

// Scans list indexes [first, last) for words of Length letters made of the whole draw and
// exactly its free letters. Comparing letter sums rejects almost every word in a few
// instructions; the rare word whose sum fits is counted letter by letter, so the result never
// rests on the sums alone. Candidates are gathered a block at a time so that the sum loop calls
// nothing and keeps the list in registers.
template <int Length, SumTest Test>
void ScanWholeDraw(const WordList& list, int first, int last, const SliceSearch& search,
                   Words& found) {
    const uint64_t drawSum = search.letters.letterSum();
    ExtraLetterSums::Probe extras{};
    if constexpr (Test == SumTest::Extra) extras = search.extraSums->probe();
    SliceReader<Length>(list, first, last).read([&](auto wordAt) {
        constexpr int BlockSize = 256;
        std::array<int, BlockSize> candidates;
        for (int blockStart = first; blockStart < last; blockStart += BlockSize) {
            const int blockEnd = std::min(last, blockStart + BlockSize);
            int candidateCount = 0;
            for (int i = blockStart; i < blockEnd; ++i) {
                const std::string_view word = wordAt(i);
                if (word.size() != Length) continue;
                uint64_t sum = 0;
                for (int k = 0; k < Length; ++k)
                    sum += LetterSum::weight(static_cast<unsigned char>(word[k]));
                const uint64_t extra = sum - drawSum;
                candidates[candidateCount] = i;
                if constexpr (Test == SumTest::Same) candidateCount += extra == 0;
                if constexpr (Test == SumTest::OneMore)
                    candidateCount += LetterSum::isOneCharacter(extra);
                if constexpr (Test == SumTest::Extra) candidateCount += extras.mayBe(extra);
            }
            for (int c = 0; c < candidateCount; ++c) {
                const std::string_view word = wordAt(candidates[c]);
                if (search.letters.uncoveredCount(word) <= search.freeLetters)
                    found.push_back(word);
            }
        }
    });
}

// Scans list indexes [first, last) for words of Length letters made of part of the draw, its
// free letters standing in where the drawn letters run out. No sum tells which part, so every
// word is counted, in registers where the draw allows it.
template <int Length>
void ScanPartDraw(const WordList& list, int first, int last, const SliceSearch& search,
                  Words& found) {
    SliceReader<Length>(list, first, last).read([&](auto wordAt) {
        if (Length <= PackedDrawLetters::MaxLength && search.packedLetters) {
            const PackedDrawLetters& packed = *search.packedLetters;
            for (int i = first; i < last; ++i) {
                const std::string_view word = wordAt(i);
                if (word.size() == Length && packed.uncoveredCount(word) <= search.freeLetters)
                    found.push_back(word);
            }
            return;
        }
        for (int i = first; i < last; ++i) {
            const std::string_view word = wordAt(i);
            if (word.size() == Length && search.letters.uncoveredCount(word) <= search.freeLetters)
                found.push_back(word);
        }
    });
}

using SliceScanner = void (*)(const WordList&, int, int, const SliceSearch&, Words&);
constexpr int kLengthCount = MaxScrabbleLength - MinScrabbleLength + 1;
using SliceScanners = std::array<SliceScanner, kLengthCount>;
template <SumTest Test>
constexpr SliceScanners WholeDrawScanners = {
    ScanWholeDraw<2, Test>, ScanWholeDraw<3, Test>, ScanWholeDraw<4, Test>, ScanWholeDraw<5, Test>,
    ScanWholeDraw<6, Test>, ScanWholeDraw<7, Test>, ScanWholeDraw<8, Test>, ScanWholeDraw<9, Test>};
constexpr SliceScanners PartDrawScanners = {ScanPartDraw<2>, ScanPartDraw<3>, ScanPartDraw<4>,
                                            ScanPartDraw<5>, ScanPartDraw<6>, ScanPartDraw<7>,
                                            ScanPartDraw<8>, ScanPartDraw<9>};

// Appends the words of one length found by a scanner, in list order.
void ScanLength(int length, const SliceScanners& scanners, const WordList& list,
                const SliceSearch& search, Words& found) {
    if (length < MinScrabbleLength || length > MaxScrabbleLength) return;
    const auto slice = ScrabbleLengthSlice(length);
    const int last = std::min(slice.last, list.count());
    scanners[length - MinScrabbleLength](list, slice.first - 1, last, search, found);
}

// Appends the words of one length made of the whole draw and `freeLetters` more letters.
void ScanWholeDraw(int length, int freeLetters, const DrawLetters& letters, const WordList& list,
                   Words& found) {
    if (freeLetters == 0) {
        ScanLength(length, WholeDrawScanners<SumTest::Same>, list, {letters, 0, nullptr, nullptr},
                   found);
    } else if (freeLetters == 1) {
        ScanLength(length, WholeDrawScanners<SumTest::OneMore>, list,
                   {letters, 1, nullptr, nullptr}, found);
    } else {
        const ExtraLetterSums extras(freeLetters);
        ScanLength(length, WholeDrawScanners<SumTest::Extra>, list,
                   {letters, freeLetters, &extras, nullptr}, found);
    }
}

}  // namespace

AnagramOutcome AnagramSearch(const AnagramQuery& query, const WordList& scrabbleList) {
    AnagramOutcome outcome{Validate(query), {}, {}};
    if (outcome.status != AnagramStatus::Found) return outcome;
    const DrawLetters letters(query.draw);
    if (letters.hasForeignCharacter()) return outcome;
    const int length = static_cast<int>(query.draw.size());
    const int jokers = letters.jokerCount();
    auto& words = outcome.words;
    // Shorter words can run to many thousands. Room for every word of the lengths read costs only
    // address space until it is written, and spares the copies of a growing vector.
    if (query.shorterWords)
        words.reserve(
            static_cast<size_t>(std::min(ScrabbleLengthSlice(length).last, scrabbleList.count())));
    // Longest words first, each length in list order.
    if (query.boardLetter) ScanWholeDraw(length + 1, jokers + 1, letters, scrabbleList, words);
    ScanWholeDraw(length, jokers, letters, scrabbleList, words);
    if (query.shorterWords) {
        const PackedDrawLetters packed(letters);
        const SliceSearch search{letters, jokers, nullptr, packed.usable() ? &packed : nullptr};
        for (int shorter = length - 1; shorter >= MinScrabbleLength; --shorter)
            ScanLength(shorter, PartDrawScanners, scrabbleList, search, words);
    }
    outcome.freeLetterPlaces.reserve(words.size());
    for (const auto word : words) outcome.freeLetterPlaces.push_back(letters.uncoveredPlaces(word));
    return outcome;
}

AnagramOutcome AnagramSearch(std::u16string_view draw, const WordList& scrabbleList) {
    return AnagramSearch(AnagramQuery{.draw = draw}, scrabbleList);
}

}  // namespace quillex
