#include "core/anagram/DrawLetters.h"

#include <algorithm>

#include "core/anagram/AnagramOutcome.h"
#include "core/anagram/LetterSum.h"

namespace quillex {

DrawLetters::DrawLetters(std::u16string_view draw) {
    for (char16_t c : draw) {
        if (c == Joker) {
            ++jokerCount_;
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

}  // namespace quillex
