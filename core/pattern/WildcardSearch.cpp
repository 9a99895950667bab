#include "pattern/WildcardSearch.h"

#include <algorithm>
#include <bit>
#include <string>

#include "errors/InternalFailure.h"
#include "pattern/JokerLimits.h"
#include "text/Text.h"
#include "wordlists/LengthRanges.h"

namespace quillex {
namespace {

// One position of the head or the tail that narrows the letters a word may hold there.
struct Check {
    size_t position;
    LetterMask letters;
};

// The head's and the tail's narrowing positions for words of `length` letters, those taking
// the fewest letters first, so that most words are left at the first test.
std::vector<Check> ChecksFor(const WildcardPattern& pattern, size_t length) {
    std::vector<Check> checks;
    const auto head = pattern.head();
    const auto tail = pattern.tail();
    for (size_t i = 0; i < head.size(); ++i)
        if (head[i].letters != AnyLetter) checks.push_back({i, head[i].letters});
    for (size_t i = 0; i < tail.size(); ++i)
        if (tail[i].letters != AnyLetter)
            checks.push_back({length - tail.size() + i, tail[i].letters});
    std::stable_sort(checks.begin(), checks.end(), [](const Check& a, const Check& b) {
        return std::popcount(a.letters) < std::popcount(b.letters);
    });
    return checks;
}

template <typename Char>
bool PassesChecks(const std::vector<Check>& checks, const Char* word) {
    for (const Check& check : checks)
        if ((check.letters & LetterBit(word[check.position])) == 0) return false;
    return true;
}

// Appends the elements begin..end-1 of `list` that have `length` letters and fit.
void ScanRange(const WildcardPattern& pattern, const WordList& list, int begin, int end,
               size_t length, std::vector<std::u16string_view>& found) {
    const std::vector<Check> checks = ChecksFor(pattern, length);
    const bool middle = pattern.hasMiddle();
    for (int i = begin; i < end; ++i) {
        const std::u16string_view word = list[i];
        if (word.size() != length || !PassesChecks(checks, word.data())) continue;
        if (middle && !pattern.middleFits(word)) continue;
        found.push_back(word);
    }
}

[[noreturn]] void ThrowSliceMismatch(int length) {
    throw InternalFailure(u"La liste principale ne suit pas sa table pour les mots de " +
                              FromUtf8(std::to_string(length)) + u" lettres",
                          FailureCode::DataMismatch);
}

// Refuses a slice whose ends are not words of `length` letters: the table and the list
// disagree, and scanning on would silently miss words.
void CheckSliceEnds(const WordList& list, int first, int last, int length) {
    if (first < 0 || last < first || last >= list.count() ||
        list[first].size() != static_cast<size_t>(length) ||
        list[last].size() != static_cast<size_t>(length))
        ThrowSliceMismatch(length);
}

}  // namespace

WildcardLengths LengthsOf(const WildcardPattern& pattern) {
    const int first = std::max(pattern.fixedLength(), MinPatternLength);
    const int last = pattern.hasRun() ? MaxPatternLength : pattern.fixedLength();
    return {first, std::min(last, MaxPatternLength)};
}

std::vector<std::u16string_view> ScanWildcard(const WildcardPattern& pattern,
                                              const WordList& mainList) {
    std::vector<std::u16string_view> found;
    const WildcardLengths lengths = LengthsOf(pattern);
    // Room for every word the lengths hold: pages that stay unused cost nothing, while growing
    // a list of a few hundred thousand words would copy it again and again.
    if (lengths.first <= lengths.last)
        found.reserve(static_cast<size_t>(MainLengthRange(lengths.last).last -
                                          MainLengthRange(lengths.first).first + 1));
    for (int length = lengths.first; length <= lengths.last; ++length) {
        const LengthRange range = MainLengthRange(length);
        CheckSliceEnds(mainList, range.first - 1, range.last - 1, length);
        ScanRange(pattern, mainList, range.first - 1, range.last, static_cast<size_t>(length),
                  found);
    }
    return found;
}

std::vector<std::u16string_view> ScanWildcardSlice(const WildcardPattern& pattern,
                                                   const WordList& slice) {
    std::vector<std::u16string_view> found;
    if (slice.count() == 0) return found;
    const int length = static_cast<int>(slice[0].size());
    const WildcardLengths lengths = LengthsOf(pattern);
    if (length < lengths.first || length > lengths.last) return found;
    CheckSliceEnds(slice, 0, slice.count() - 1, length);
    ScanRange(pattern, slice, 0, slice.count(), static_cast<size_t>(length), found);
    return found;
}

}  // namespace quillex
