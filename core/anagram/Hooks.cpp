#include "core/anagram/Hooks.h"

#include <algorithm>

#include "core/anagram/WordJudge.h"
#include "core/wordlists/LengthSlices.h"

namespace quillex {

WordHooks FindHooks(std::string_view word, const WordList& scrabbleList) {
    WordHooks hooks;
    const int longer = static_cast<int>(word.size()) + 1;
    if (word.empty() || longer > MaxScrabbleLength) return hooks;
    std::string candidate(1, 'A');
    candidate += word;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        candidate[0] = letter;
        if (IsScrabbleWord(candidate, scrabbleList)) hooks.before.push_back(letter);
    }
    // The words one letter longer that begin with the word lie side by side in the sorted
    // slice of their length: one search finds the first, and they follow in letter order.
    const int last = std::min(ScrabbleLengthSlice(longer).last, scrabbleList.count());
    for (int i = FirstWordNotBefore(word, longer, scrabbleList); i < last; ++i) {
        const std::string_view next = scrabbleList[i];
        if (!next.starts_with(word)) break;
        hooks.after.push_back(next.back());
    }
    return hooks;
}

std::string HooksText(const WordHooks& hooks) {
    if (hooks.before.empty() && hooks.after.empty()) return {};
    return "[" + hooks.before + "/" + hooks.after + "]";
}

}  // namespace quillex
