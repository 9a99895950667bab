#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace quillex {

/// Shortest word length a pattern search takes.
inline constexpr int MinPatternLength = 3;
/// Longest word length a pattern search takes.
inline constexpr int MaxPatternLength = 15;

/// The pattern symbol that stands for any letter, as an untouched letter box shows it.
inline constexpr char16_t PatternJoker = u'?';

/// The most "?" a pattern of one length may hold, so that its list stays readable; nullopt
/// outside 3..15.
constexpr std::optional<int> MostJokers(int length) {
    constexpr std::array<int, MaxPatternLength - MinPatternLength + 1> ByLength{
        2, 3, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12};
    if (length < MinPatternLength || length > MaxPatternLength) return std::nullopt;
    return ByLength[length - MinPatternLength];
}

/// Whether a character stands for one position on its own: a letter of either case, the joker,
/// or a space (a position no word fits). A letter box takes these and nothing else.
constexpr bool IsOnePositionCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == PatternJoker || c == u' ';
}

/// A set of the letters A..Z, one bit each, A the lowest.
using LetterMask = uint32_t;
/// Every letter A..Z.
inline constexpr LetterMask AnyLetter = (LetterMask{1} << 26) - 1;

/// The bit of a capital A..Z in a LetterMask; 0 for any other character, which no set holds.
/// Every character a word shows passes through here, so the word's character type is this
/// template's only concern.
template <typename Char>
constexpr LetterMask LetterBit(Char c) {
    return (c >= 'A' && c <= 'Z') ? LetterMask{1} << (c - 'A') : 0;
}

/// Why a pattern's text could not be read.
struct PatternSyntaxError {
    enum class Kind {
        RefusedCharacter,  // a character the pattern language has no use for
        UnclosedSet,       // "[" without its "]"
        EmptySet,          // "[]" or "[^]"
        NonLetterInSet,    // something else than a letter or a range between brackets
        ReversedRange,     // "[E-A]"
        StrayBracket,      // "]" with no "[" before it
    };
    Kind kind;
    /// Where the offending character stands in the text, 0-based.
    size_t offset;
    /// The position (1-based) of the letter the offending part would have stood for.
    int position;
};

/// The word lengths, within 3..15, a pattern's words may have; empty (first > last) when none.
struct PatternLengths {
    int first;
    int last;
};

/// A crossword pattern, as quillex-cli and the pattern tab read it: a letter stands for itself
/// (either case), "?" for any letter, "*" for any run of letters (none included), "[AEI]" for
/// one letter of the set and "[^AEI]" for one letter out of it; a set may hold ranges ("[A-E]").
/// A space stands for a position no word fits. The letter boxes' text (letters, "?", space) is
/// a pattern of one length.
class Pattern {
  public:
    /// One symbol: a position taking one letter of `letters`, or a run of any letters.
    struct Symbol {
        enum class Kind { Letter, Joker, LetterSet, AnyRun };
        Kind kind;
        LetterMask letters;  // the letters the position takes; AnyLetter for a run
    };

    /// Reads a pattern's text.
    static std::variant<Pattern, PatternSyntaxError> Parse(std::u16string_view text);

    /// The symbols in order; consecutive runs are kept as one.
    std::span<const Symbol> symbols() const { return symbols_; }
    /// The number of one-letter positions: the length of the shortest word that may fit.
    int fixedLength() const { return fixedLength_; }
    /// Whether the pattern holds a run, so that longer words may fit as well.
    bool hasRun() const { return hasRun_; }
    /// Whether the pattern, of one length, holds more "?" than MostJokers allows; sets count as
    /// known letters. A run leaves the length free, and the limit is per length, so a pattern
    /// with a run is never refused.
    bool exceedsJokerLimit() const {
        const std::optional<int> most = hasRun_ ? std::nullopt : MostJokers(fixedLength_);
        return most && jokerCount_ > *most;
    }
    /// The lengths of 3..15 the pattern's words may have: its fixed length, or from there up to
    /// 15 when it holds a run.
    PatternLengths lengths() const;
    /// Whether every word of the pattern's lengths fits it: no position narrows the letters and
    /// nothing stands between runs ("*", "??*", "???"), so the length table alone counts them.
    bool takesEveryWord() const;

    /// Whether a word of capitals (Windows-1252 bytes, as the lists hold them) fits the whole
    /// pattern.
    bool fits(std::string_view word) const;

    /// Whether the part between the first and the last run fits somewhere in `word`, between
    /// the part before the first run and the part after the last one (both already checked).
    /// Inline, as a scan calls it for every word it has not yet turned down.
    template <typename Char>
    bool middleFits(std::basic_string_view<Char> word) const {
        // Placing each segment at its leftmost fit leaves the most room to the ones after it,
        // so a first fit found this way is as good as any.
        size_t from = headLength_;
        const size_t end = word.size() >= from + tailLength_ ? word.size() - tailLength_ : from;
        for (const Segment& segment : middle_) {
            const Symbol* letters = symbols_.data() + segment.begin;
            const LetterMask anchor = letters[segment.anchor].letters;
            for (;; ++from) {
                if (from + segment.size > end) return false;
                const Char* at = word.data() + from;
                if ((anchor & LetterBit(at[segment.anchor])) != 0 &&
                    SegmentFitsAt(letters, segment.size, at))
                    break;
            }
            from += segment.size;
        }
        return true;
    }
    /// The one-letter positions before the first run (all of them when there is no run).
    std::span<const Symbol> head() const { return std::span(symbols_).first(headLength_); }
    /// The one-letter positions after the last run.
    std::span<const Symbol> tail() const { return std::span(symbols_).last(tailLength_); }
    /// Whether anything stands between the first and the last run.
    bool hasMiddle() const { return !middle_.empty(); }

  private:
    struct Segment {
        size_t begin;
        size_t size;
        size_t anchor;  // the symbol taking the fewest letters, tried first
    };

    template <typename Char>
    static bool SegmentFitsAt(const Symbol* symbols, size_t count, const Char* at) {
        for (size_t k = 0; k < count; ++k)
            if ((symbols[k].letters & LetterBit(at[k])) == 0) return false;
        return true;
    }

    std::vector<Symbol> symbols_;
    size_t headLength_ = 0;
    size_t tailLength_ = 0;
    std::vector<Segment> middle_;  // the one-letter runs between the first and the last run
    int fixedLength_ = 0;
    bool hasRun_ = false;
    int jokerCount_ = 0;
};

}  // namespace quillex
