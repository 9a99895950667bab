#include "core/pattern/MainListFold.h"

#include "core/glossary/FoldAccents.h"
#include "core/text/Text.h"

namespace quillex {

std::string MainListFold(std::u16string_view text) {
    std::string folded;
    for (const char16_t c : FoldAccents(text))
        if (c >= u'A' && c <= u'Z') folded += static_cast<char>(c);
    return folded;
}

std::string MainListFold(std::string_view bytes) {
    return MainListFold(DecodeWindows1252(bytes));
}

}  // namespace quillex
