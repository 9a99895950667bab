#include "core/pattern/PatternMessages.h"

#include "core/text/Text.h"

namespace quillex {

std::u16string ResultCountText(std::size_t count) {
    if (count == 0) return u"Aucun mot trouvé";
    return FromUtf8(std::to_string(count)) + (count == 1 ? u" mot trouvé" : u" mots trouvés");
}

}  // namespace quillex
