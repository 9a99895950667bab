#include "core/pattern/WildcardSearch.h"

#include <algorithm>
#include <bit>
#include <string>

#include "core/errors/InternalFailure.h"
#include "core/pattern/JokerLimits.h"
#include "core/text/Text.h"
#include "core/wordlists/LengthRanges.h"

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

bool PassesChecks(const std::vector<Check>& checks, const char* word) {
    for (const Check& check : checks)
        if ((check.letters & LetterBit(word[check.position])) == 0) return false;
    return true;
}

[[noreturn]] void ThrowSliceMismatch(int length) {
    throw InternalFailure(u"La liste principale ne suit pas sa table pour les mots de " +
                              FromUtf8(std::to_string(length)) + u" lettres",
                          FailureCode::DataMismatch);
}

// Appends the words of `length` letters at positions first..last (1-based) that fit. The list
// views its words one after another, each followed by CR LF, so a length's words lie
// length + 2 bytes apart: the walk needs no index, once the slice's ends confirm the layout.
void ScanSlice(const WildcardPattern& pattern, const WordList& list, int length, int first,
               int last, std::vector<std::string_view>& found) {
    if (first < 1 || last < first || last > list.count()) ThrowSliceMismatch(length);
    const std::string_view firstWord = list.atPosition(first);
    const std::string_view lastWord = list.atPosition(last);
    const auto size = static_cast<size_t>(length);
    const size_t stride = size + 2;
    const size_t count = static_cast<size_t>(last - first) + 1;
    if (firstWord.size() != size || lastWord.size() != size ||
        firstWord.data() + (count - 1) * stride != lastWord.data())
        ThrowSliceMismatch(length);

    const std::vector<Check> checks = ChecksFor(pattern, size);
    const bool middle = pattern.hasMiddle();
    const char* word = firstWord.data();
    for (size_t i = 0; i < count; ++i, word += stride) {
        if (!PassesChecks(checks, word)) continue;
        const std::string_view fitting(word, size);
        if (middle && !pattern.middleFits(fitting)) continue;
        found.push_back(fitting);
    }
}

}  // namespace

WildcardLengths LengthsOf(const WildcardPattern& pattern) {
    const int first = std::max(pattern.fixedLength(), MinPatternLength);
    const int last = pattern.hasRun() ? MaxPatternLength : pattern.fixedLength();
    return {first, std::min(last, MaxPatternLength)};
}

std::vector<std::string_view> ScanWildcard(const WildcardPattern& pattern,
                                           const WordList& mainList) {
    std::vector<std::string_view> found;
    const WildcardLengths lengths = LengthsOf(pattern);
    if (lengths.first > lengths.last) return found;
    // Room for every word the lengths hold: pages that stay unused cost nothing, while growing
    // a list of a few hundred thousand words would copy it again and again.
    found.reserve(static_cast<size_t>(MainLengthRange(lengths.last).last -
                                      MainLengthRange(lengths.first).first + 1));
    for (int length = lengths.first; length <= lengths.last; ++length) {
        const LengthRange range = MainLengthRange(length);
        ScanSlice(pattern, mainList, length, range.first, range.last, found);
    }
    return found;
}

}  // namespace quillex
