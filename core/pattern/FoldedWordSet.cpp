#include "pattern/FoldedWordSet.h"

#include <algorithm>

namespace quillex {
namespace {

// 0 for a character outside A..Z, which shares one row so that the key never fails.
size_t LetterKey(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<size_t>(c - 'A') + 1 : 0;
}

}  // namespace

size_t FoldedWordSet::LengthOf(std::string_view word) {
    return std::min(word.size(), Lengths - 1);
}

size_t FoldedWordSet::KeyOf(std::string_view word) {
    return (LengthOf(word) * 27 + LetterKey(word.front())) * 27 + LetterKey(word.back());
}

FoldedWordSet::FoldedWordSet(std::vector<std::string> words) : words_(std::move(words)) {
    std::erase_if(words_, [](const std::string& word) { return word.empty(); });
    std::sort(words_.begin(), words_.end());
    words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
    for (const std::string& word : words_) {
        lengths_.set(LengthOf(word));
        keys_.set(KeyOf(word));
    }
}

bool FoldedWordSet::contains(std::string_view word) const {
    // The length is known without reading the word: a scan's words come grouped by length, so
    // whole lengths are passed over without touching their letters.
    if (word.empty() || !lengths_.test(LengthOf(word)) || !keys_.test(KeyOf(word))) return false;
    return std::binary_search(words_.begin(), words_.end(), word);
}

}  // namespace quillex
