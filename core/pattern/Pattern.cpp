#include "core/pattern/Pattern.h"

#include <algorithm>

#include <bit>
#include <optional>

namespace quillex {
namespace {

using Symbol = Pattern::Symbol;
using Error = PatternSyntaxError;

// The mask of a letter of either case; nullopt for anything else.
std::optional<LetterMask> LetterOf(char16_t c) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    const LetterMask bit = LetterBit(c);
    if (bit == 0) return std::nullopt;
    return bit;
}

// Reads the set opening at text[open] ("[" then letters or ranges, "^" first to take the
// complement, then "]"); `end` receives the offset of its "]".
std::variant<LetterMask, Error> ReadSet(std::u16string_view text, size_t open, int position,
                                        size_t& end) {
    size_t at = open + 1;
    const bool complement = at < text.size() && text[at] == u'^';
    if (complement) ++at;
    LetterMask letters = 0;
    bool anyElement = false;
    while (at < text.size() && text[at] != u']') {
        const auto first = LetterOf(text[at]);
        if (!first) return Error{Error::Kind::NonLetterInSet, at, position};
        const bool range = at + 2 < text.size() && text[at + 1] == u'-' && text[at + 2] != u']';
        if (!range) {
            letters |= *first;
            ++at;
        } else {
            const auto last = LetterOf(text[at + 2]);
            if (!last) return Error{Error::Kind::NonLetterInSet, at + 2, position};
            if (*last < *first) return Error{Error::Kind::ReversedRange, at, position};
            letters |= (*last << 1) - *first;  // every bit from first's to last's
            at += 3;
        }
        anyElement = true;
    }
    if (at >= text.size()) return Error{Error::Kind::UnclosedSet, open, position};
    if (!anyElement) return Error{Error::Kind::EmptySet, open, position};
    end = at;
    return complement ? AnyLetter & ~letters : letters;
}

}  // namespace

std::variant<Pattern, PatternSyntaxError> Pattern::Parse(std::u16string_view text) {
    Pattern pattern;
    std::vector<Symbol>& symbols = pattern.symbols_;
    for (size_t at = 0; at < text.size(); ++at) {
        const char16_t c = text[at];
        const int position = pattern.fixedLength_ + 1;
        if (c == u'*') {
            if (symbols.empty() || symbols.back().kind != Symbol::Kind::AnyRun)
                symbols.push_back({Symbol::Kind::AnyRun, AnyLetter});
            pattern.hasRun_ = true;
            continue;
        }
        if (c == u'?') {
            symbols.push_back({Symbol::Kind::Joker, AnyLetter});
            ++pattern.jokerCount_;
        } else if (c == u' ') {
            symbols.push_back({Symbol::Kind::Letter, 0});
        } else if (const auto letter = LetterOf(c)) {
            symbols.push_back({Symbol::Kind::Letter, *letter});
        } else if (c == u'[') {
            size_t end = at;
            const auto set = ReadSet(text, at, position, end);
            if (const Error* error = std::get_if<Error>(&set)) return *error;
            symbols.push_back({Symbol::Kind::LetterSet, std::get<LetterMask>(set)});
            at = end;
        } else {
            return Error{c == u']' ? Error::Kind::StrayBracket : Error::Kind::RefusedCharacter, at,
                         position};
        }
        ++pattern.fixedLength_;
    }

    // Cut the symbols into the head, the segments between runs, and the tail.
    size_t segmentStart = 0;
    bool runSeen = false;
    for (size_t i = 0; i <= symbols.size(); ++i) {
        if (i < symbols.size() && symbols[i].kind != Symbol::Kind::AnyRun) continue;
        Segment segment{segmentStart, i - segmentStart, 0};
        for (size_t k = 1; k < segment.size; ++k)
            if (std::popcount(symbols[segmentStart + k].letters) <
                std::popcount(symbols[segmentStart + segment.anchor].letters))
                segment.anchor = k;
        if (!runSeen)
            pattern.headLength_ = segment.size;
        else if (i == symbols.size())
            pattern.tailLength_ = segment.size;
        else if (segment.size > 0)
            pattern.middle_.push_back(segment);
        runSeen = runSeen || i < symbols.size();
        segmentStart = i + 1;
    }
    return pattern;
}

PatternLengths Pattern::lengths() const {
    const int first = std::max(fixedLength_, MinPatternLength);
    const int last = hasRun_ ? MaxPatternLength : fixedLength_;
    return {first, std::min(last, MaxPatternLength)};
}

bool Pattern::takesEveryWord() const {
    return middle_.empty() && std::all_of(symbols_.begin(), symbols_.end(),
                                          [](const Symbol& s) { return s.letters == AnyLetter; });
}

bool Pattern::fits(std::string_view word) const {
    const auto length = static_cast<size_t>(fixedLength_);
    if (hasRun_ ? word.size() < length : word.size() != length) return false;
    return SegmentFitsAt(symbols_.data(), headLength_, word.data()) &&
           SegmentFitsAt(tail().data(), tailLength_, word.data() + word.size() - tailLength_) &&
           middleFits(word);
}

}  // namespace quillex
