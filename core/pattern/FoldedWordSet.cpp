#include "core/pattern/FoldedWordSet.h"

#include <algorithm>

namespace quillex {
FoldedWordSet::FoldedWordSet(std::vector<std::string> words) : words_(std::move(words)) {
    std::erase_if(words_, [](const std::string& word) { return word.empty(); });
    std::sort(words_.begin(), words_.end());
    words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
    for (const std::string& word : words_) {
        lengths_ |= uint32_t{1} << LengthOf(word);
        keys_.set(KeyOf(word));
    }
}

bool FoldedWordSet::holds(std::string_view word) const {
    return std::binary_search(words_.begin(), words_.end(), word);
}

}  // namespace quillex
