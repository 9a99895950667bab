#include "core/anagram/DrawLetters.h"

#include <algorithm>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/LetterSum.h"

namespace quillex {

DrawLetters::DrawLetters(std::u16string_view draw) : length_(static_cast<int>(draw.size())) {
    for (char16_t c : draw) {
        if (c == Joker) {
            ++jokers_;
            continue;
        }
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (c < u'A' || c > u'Z') {
            foreign_ = true;
            continue;
        }
        ++counts_[c - u'A'];
        letterSum_ += LetterSum::weight(c);
    }
    for (unsigned letter = 0; letter < counts_.size(); ++letter)
        budget_[letter] = static_cast<int8_t>(std::min<int>(counts_[letter], MaxFittingLength));
}

bool DrawLetters::isAnagram(std::string_view word) const {
    if (static_cast<int>(word.size()) != length_ || foreign_) return false;
    auto left = counts_;
    int jokersLeft = jokers_;
    for (const char c : word) {
        const unsigned letter = static_cast<unsigned>(static_cast<unsigned char>(c)) - 'A';
        if (letter >= left.size()) return false;
        if (left[letter] > 0) {
            --left[letter];
        } else if (jokersLeft > 0) {
            --jokersLeft;
        } else {
            return false;
        }
    }
    // Lengths agree, so every drawn letter and every joker were used.
    return true;
}

}  // namespace quillex
