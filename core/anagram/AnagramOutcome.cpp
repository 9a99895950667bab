#include "core/anagram/AnagramOutcome.h"

namespace quillex {

std::u16string_view RefusalText(AnagramStatus status) {
    switch (status) {
        case AnagramStatus::DrawTooShort:
            return DrawTooShortText;
        case AnagramStatus::TooManyJokers:
            return TooManyJokersText;
        case AnagramStatus::DrawTooLong:
            return DrawTooLongText;
        case AnagramStatus::MoreThanTwoJokers:
            return MoreThanTwoJokersText;
        case AnagramStatus::Found:
            break;
    }
    return {};
}

}  // namespace quillex
