#include "core/anagram/PackedDrawLetters.h"

namespace quillex {

PackedDrawLetters::PackedDrawLetters(const DrawLetters& letters) {
    for (unsigned letter = 0; letter < NotACapital; ++letter) {
        const int half = letter < LettersPerHalf ? 0 : 1;
        const int shift = 4 * static_cast<int>(letter % LettersPerHalf);
        const int drawn = letters.count(letter);
        usable_ = usable_ && drawn <= 7;
        start_[half] += static_cast<uint64_t>(drawn <= 7 ? 7 - drawn : 0) << shift;
        (half == 0 ? lowAdds_ : highAdds_)[letter] = uint64_t{1} << shift;
    }
    highAdds_[NotACapital] = uint64_t{1} << OtherShift;
}

}  // namespace quillex
