#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// A text spelt as the main list spells its words: capitals without accents, "œ" as OE and
/// "æ" as AE, letters A..Z only ("mise à jour" gives MISEAJOUR, "aujourd'hui" AUJOURDHUI).
std::u16string MainListFold(std::u16string_view text);

}  // namespace quillex
