#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// A text spelt as the main list spells its words: capitals without accents, "œ" as OE and
/// "æ" as AE, letters A..Z only ("mise à jour" gives MISEAJOUR, "aujourd'hui" AUJOURDHUI). The
/// result is plain ASCII, so it compares with the main list's bytes as it stands.
std::string MainListFold(std::u16string_view text);

/// The same fold of a text of the lists (Windows-1252 bytes), such as a synonym.
std::string MainListFold(std::string_view bytes);

}  // namespace quillex
