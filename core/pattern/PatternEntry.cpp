#include "core/pattern/PatternEntry.h"

#include "core/text/Text.h"

namespace quillex {

std::u16string PatternFromText(std::u16string_view text) {
    return ToUpper(text);
}

}  // namespace quillex
