#include "pattern/MainListFold.h"

#include <algorithm>

#include "glossary/FoldAccents.h"

namespace quillex {

std::u16string MainListFold(std::u16string_view text) {
    std::u16string folded = FoldAccents(text);
    std::erase_if(folded, [](char16_t c) { return c < u'A' || c > u'Z'; });
    return folded;
}

}  // namespace quillex
