#include "core/pattern/PatternSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/errors/InternalFailure.h"
#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternProbe.h"
#include "core/text/Text.h"
#include "core/wordlists/LengthRanges.h"

namespace quillex {
namespace {

// The words of one length, read in place. A WordList views its elements one after another in
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

// The words at positions first..last (1-based, inclusive) of the list.
Slice SliceOf(int length, const WordList& list, int firstPosition, int lastPosition) {
    if (firstPosition < 1 || lastPosition < firstPosition || lastPosition > list.count())
        ThrowSliceMismatch(length);
    const std::string_view first = list.atPosition(firstPosition);
    const std::string_view last = list.atPosition(lastPosition);
    const Slice slice{first.data(), static_cast<size_t>(length) + 2,
                      static_cast<size_t>(lastPosition - firstPosition) + 1};
    if (first.size() != static_cast<size_t>(length) || last.size() != first.size() ||
        slice.word(slice.count - 1) != last.data()) {
        ThrowSliceMismatch(length);
    }
    return slice;
}

constexpr size_t BlockSize = 1024;
using Hits = std::array<uint32_t, BlockSize>;

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

}  // namespace

JokerCheck CheckJokers(int length, std::u16string_view pattern) {
    const std::optional<int> limit = JokerLimits(length);
    if (!limit) return JokerCheck::Allowed;
    const std::u16string_view read = pattern.substr(0, length);
    const auto unreached = static_cast<long>(length) - static_cast<long>(read.size());
    const long jokers = unreached + std::count(read.begin(), read.end(), PatternJoker);
    return jokers > *limit ? JokerCheck::JokerLimitExceeded : JokerCheck::Allowed;
}

namespace {

// The pattern's symbols as the bytes of the words they stand for; nullopt when one of them is a
// character Windows-1252 cannot hold, which no word holds either.
std::optional<std::string> PatternBytes(std::u16string_view pattern) {
    std::string bytes;
    for (const char16_t symbol : ToUpper(pattern)) {
        const int byte = Windows1252Byte(symbol);
        if (byte < 0) return std::nullopt;
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

std::vector<std::string_view> Scan(int length, std::u16string_view pattern, const Slice& slice) {
    std::vector<std::string_view> found;
    const std::optional<std::string> symbols = PatternBytes(pattern.substr(0, length));
    if (!symbols) return found;
    const PatternProbe probe(length, *symbols);
    const auto pairs = probe.pairs();
    found.reserve(slice.count / 8);
    Hits hits;
    for (size_t begin = 0; begin < slice.count; begin += BlockSize) {
        size_t count =
            FirstFits(pairs[0], slice, begin, std::min(slice.count, begin + BlockSize), hits);
        for (const LetterPair& pair : pairs.subspan(1)) count = KeepFits(pair, slice, hits, count);
        for (size_t k = 0; k < count; ++k) found.emplace_back(slice.word(hits[k]), length);
    }
    return found;
}

}  // namespace

std::vector<std::string_view> ScanPattern(int length, std::u16string_view pattern,
                                          const WordList& mainList) {
    if (length < MinPatternLength || length > MaxPatternLength) return {};
    const LengthRange range = MainLengthRange(length);
    return Scan(length, pattern, SliceOf(length, mainList, range.first, range.last));
}

std::vector<std::string_view> ScanSlice(int length, std::u16string_view pattern,
                                        const WordList& slice) {
    if (length < MinPatternLength || length > MaxPatternLength || slice.count() == 0) return {};
    return Scan(length, pattern, SliceOf(length, slice, 1, slice.count()));
}

PatternOutcome PatternSearch(int length, std::u16string_view pattern, const WordList& mainList) {
    if (CheckJokers(length, pattern) == JokerCheck::JokerLimitExceeded) return {true, {}};
    return {false, ScanPattern(length, pattern, mainList)};
}

}  // namespace quillex
