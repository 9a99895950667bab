#include "core/pattern/PatternScan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "core/errors/InternalFailure.h"
#include "core/pattern/LetterPair.h"
#include "core/pattern/PatternProbe.h"
#include "core/text/Text.h"
#include "core/wordlists/LengthSlices.h"

namespace quillex {
namespace {

// The words of one length, read in place. The main list views its words one after another in
// one text, each followed by CR LF, so word i of a slice of `length` letters starts
// i * (length + 2) bytes after the first one. SliceOf checks this from the slice's ends.
struct Slice {
    const char* first;
    size_t stride;
    size_t count;

    const char* word(size_t i) const { return first + i * stride; }
};

[[noreturn]] void ThrowSliceMismatch(int length) {
    throw InternalFailure(u"La liste principale ne suit pas sa table pour les mots de " +
                              FromUtf8(std::to_string(length)) + u" lettres",
                          FailureCode::DataMismatch);
}

// The main list's words of `length` letters, as its length table places them.
Slice SliceOf(int length, const WordList& list) {
    const LengthSlice positions = MainLengthSlice(length);
    if (positions.first < 1 || positions.last < positions.first || positions.last > list.count())
        ThrowSliceMismatch(length);
    const std::string_view first = list.atPosition(positions.first);
    const std::string_view last = list.atPosition(positions.last);
    const Slice slice{first.data(), static_cast<size_t>(length) + 2,
                      static_cast<size_t>(positions.last - positions.first) + 1};
    if (first.size() != static_cast<size_t>(length) || last.size() != first.size() ||
        slice.word(slice.count - 1) != last.data()) {
        ThrowSliceMismatch(length);
    }
    return slice;
}

// The letters every fitting word starts with: the pattern's first positions that take one letter
// each.
std::string KnownStart(const Pattern& pattern) {
    std::string start;
    for (const Pattern::Symbol& symbol : pattern.symbols()) {
        if (symbol.kind == Pattern::Symbol::Kind::AnyRun || std::popcount(symbol.letters) != 1)
            break;
        start += static_cast<char>('A' + std::countr_zero(symbol.letters));
    }
    return start;
}

// The part of a slice whose words start with `start` (no longer than its words). The main list
// keeps each length's words in byte order, so that part is found by two binary searches instead
// of reading every word.
Slice StartingWith(const Slice& slice, std::string_view start) {
    if (start.empty()) return slice;
    const auto startOf = [&](size_t i) { return std::string_view(slice.word(i), start.size()); };
    // The first index whose word does not satisfy `holds`, the words satisfying it coming first.
    const auto partitionPoint = [&](auto holds) {
        size_t low = 0, high = slice.count;
        while (low < high) {
            const size_t middle = low + (high - low) / 2;
            if (holds(startOf(middle)))
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    };
    const size_t first = partitionPoint([&](std::string_view word) { return word < start; });
    const size_t last = partitionPoint([&](std::string_view word) { return word <= start; });
    return {slice.word(first), slice.stride, last - first};
}

constexpr size_t BlockSize = 1024;
using Hits = std::array<uint32_t, BlockSize>;

// --- One length, no set: letter pairs ---------------------------------------------------------

// Whether the pair scan can take the pattern: one length, and letters, jokers or spaces only.
bool ScansByPairs(const Pattern& pattern) {
    return !pattern.hasRun() &&
           std::none_of(pattern.symbols().begin(), pattern.symbols().end(),
                        [](const auto& s) { return s.kind == Pattern::Symbol::Kind::LetterSet; });
}

// The pattern as the bytes PatternProbe reads: a letter as itself, "?" for a joker, and a space
// (which no word holds) for a position nothing fits.
std::string ProbeText(const Pattern& pattern) {
    std::string text;
    for (const Pattern::Symbol& symbol : pattern.symbols()) {
        if (symbol.kind == Pattern::Symbol::Kind::Joker)
            text += static_cast<char>(PatternJoker);
        else if (symbol.letters == 0)
            text += ' ';
        else
            text += static_cast<char>('A' + std::countr_zero(symbol.letters));
    }
    return text;
}

// The words begin..end of the slice that fit `pair`. Branch-free: every index is written and the
// count only moves on a fit, so a pattern fitting one word in five costs no mispredictions.
size_t FirstFits(const LetterPair& pair, const Slice& slice, size_t begin, size_t end, Hits& hits) {
    size_t kept = 0;
    const char* word = slice.word(begin);
    for (size_t i = begin; i < end; ++i, word += slice.stride) {
        hits[kept] = static_cast<uint32_t>(i);
        kept += pair.fits(word);
    }
    return kept;
}

// Keeps, in order, the first `count` hits that also fit `pair`.
size_t KeepFits(const LetterPair& pair, const Slice& slice, Hits& hits, size_t count) {
    size_t kept = 0;
    for (size_t k = 0; k < count; ++k) {
        hits[kept] = hits[k];
        kept += pair.fits(slice.word(hits[k]));
    }
    return kept;
}

template <typename Emit>
void ScanByPairs(const Pattern& pattern, int length, const Slice& slice, Emit& emit) {
    const PatternProbe probe(length, ProbeText(pattern));
    const auto pairs = probe.pairs();
    Hits hits;
    for (size_t begin = 0; begin < slice.count; begin += BlockSize) {
        size_t count =
            FirstFits(pairs[0], slice, begin, std::min(slice.count, begin + BlockSize), hits);
        for (const LetterPair& pair : pairs.subspan(1)) count = KeepFits(pair, slice, hits, count);
        for (size_t k = 0; k < count; ++k) emit(slice.word(hits[k]), static_cast<size_t>(length));
    }
}

// --- Runs and sets: position by position --------------------------------------------------

// One position of the head or the tail that narrows the letters a word may hold there.
struct Check {
    size_t position;
    LetterMask letters;
};

// The head's and the tail's narrowing positions for words of `length` letters, those taking
// the fewest letters first, so that most words are left at the first test.
std::vector<Check> ChecksFor(const Pattern& pattern, size_t length) {
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

// The slice comes by value: its fields stay in registers while emit() writes to memory. The
// loop is written twice so that a pattern without a middle pays nothing for it, and kept out of
// line, which measured up to a tenth faster on runs with a middle.
template <typename Emit>
[[gnu::noinline]] void ScanByPositions(const Pattern& pattern, int length, const Slice slice,
                                       Emit& emit) {
    const auto size = static_cast<size_t>(length);
    const std::vector<Check> checks = ChecksFor(pattern, size);
    const char* word = slice.first;
    if (!pattern.hasMiddle()) {
        for (size_t i = 0; i < slice.count; ++i, word += slice.stride)
            if (PassesChecks(checks, word)) emit(word, size);
        return;
    }
    for (size_t i = 0; i < slice.count; ++i, word += slice.stride)
        if (PassesChecks(checks, word) && pattern.middleFits(std::string_view(word, size)))
            emit(word, size);
}

// Hands every fitting word, in list order, to emit(first byte, length).
template <typename Emit>
void Scan(const Pattern& pattern, const WordList& mainList, Emit&& emit) {
    const PatternLengths lengths = pattern.lengths();
    const bool byPairs = ScansByPairs(pattern);
    const std::string start = KnownStart(pattern);
    for (int length = lengths.first; length <= lengths.last; ++length) {
        const Slice slice = StartingWith(SliceOf(length, mainList), start);
        if (byPairs)
            ScanByPairs(pattern, length, slice, emit);
        else
            ScanByPositions(pattern, length, slice, emit);
    }
}

}  // namespace

std::vector<std::string_view> FindWords(const Pattern& pattern, const WordList& mainList) {
    std::vector<std::string_view> found;
    const PatternLengths lengths = pattern.lengths();
    if (lengths.first > lengths.last) return found;
    // A run may take a few hundred thousand words: room for all of them costs only the pages
    // used, where growing would copy them again and again. One length takes far fewer.
    const int first = MainLengthSlice(lengths.first).first;
    const auto words = static_cast<size_t>(MainLengthSlice(lengths.last).last - first + 1);
    found.reserve(pattern.hasRun() ? words : words / 8);
    Scan(pattern, mainList, [&](const char* word, size_t size) { found.emplace_back(word, size); });
    return found;
}

void ScanWords(const Pattern& pattern, const WordList& mainList,
               const std::function<void(std::span<const std::string_view>)>& takeBlock) {
    std::array<std::string_view, BlockSize> block;
    size_t held = 0;
    Scan(pattern, mainList, [&](const char* word, size_t size) {
        block[held++] = std::string_view(word, size);
        if (held == block.size()) {
            takeBlock(block);
            held = 0;
        }
    });
    if (held > 0) takeBlock(std::span(block).first(held));
}

size_t CountWords(const Pattern& pattern, const WordList& mainList) {
    size_t count = 0;
    if (pattern.takesEveryWord()) {
        const PatternLengths lengths = pattern.lengths();
        for (int length = lengths.first; length <= lengths.last; ++length)
            count += SliceOf(length, mainList).count;
        return count;
    }
    Scan(pattern, mainList, [&](const char*, size_t) { ++count; });
    return count;
}

}  // namespace quillex
