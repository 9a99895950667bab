#include "core/anagram/WordJudge.h"

#include <algorithm>

#include "core/text/Fold.h"
#include "core/wordlists/LengthSlices.h"

namespace quillex {

int FirstWordNotBefore(std::string_view text, int length, const WordList& scrabbleList) {
    const auto slice = ScrabbleLengthSlice(length);
    int first = slice.first - 1;
    int last = std::min(slice.last, scrabbleList.count());
    if (first >= last) return first;
    // The words of one length lie evenly spaced in the list's bytes: word i is read by
    // arithmetic, and compared as `length` bytes, where the layout allows.
    const std::string_view front = scrabbleList[first], back = scrabbleList[last - 1];
    const size_t stride = static_cast<size_t>(length) + 2;
    const bool even = front.size() == static_cast<size_t>(length) &&
                      back.data() == front.data() + static_cast<size_t>(last - 1 - first) * stride;
    const int base = first;
    while (first < last) {
        const int middle = first + (last - first) / 2;
        const std::string_view word =
            even ? std::string_view(front.data() + static_cast<size_t>(middle - base) * stride,
                                    static_cast<size_t>(length))
                 : scrabbleList[middle];
        if (word < text)
            first = middle + 1;
        else
            last = middle;
    }
    return first;
}

bool IsScrabbleWord(std::string_view word, const WordList& scrabbleList) {
    const int length = static_cast<int>(word.size());
    if (length < MinScrabbleLength || length > MaxScrabbleLength) return false;
    const int at = FirstWordNotBefore(word, length, scrabbleList);
    return at < std::min(ScrabbleLengthSlice(length).last, scrabbleList.count()) &&
           scrabbleList[at] == word;
}

std::string JudgedWord(std::u16string_view typed) {
    // Folded as a draw is folded: "é" is played as E, "œ" as O and E.
    const std::u16string folded = FoldAccents(typed);
    std::string word;
    word.reserve(folded.size());
    for (const char16_t c : folded) {
        if (c < u'A' || c > u'Z') return {};
        word.push_back(static_cast<char>(c));
    }
    return word;
}

}  // namespace quillex
