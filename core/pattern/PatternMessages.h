#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillex {

// The texts quillex-cli pattern and the pattern tab both show, kept in one place so that the
// two say the same thing.

/// First line of the notice shown when a pattern holds too many jokers.
inline constexpr std::u16string_view JokerLimitNoticeFirstLine =
    u"Le nombre de caractère joker '' ? '' est trop important.";
/// Second line of the joker-limit notice.
inline constexpr std::u16string_view JokerLimitNoticeSecondLine = u"Modifiez la recherche.";

/// The notice shown when a letter box refuses a character (six trailing spaces included).
inline constexpr std::u16string_view InvalidCharNotice =
    u"Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      ";

/// "Aucun mot trouvé", "1 mot trouvé" or "N mots trouvés" for a count of results.
std::u16string ResultCountText(std::size_t count);

}  // namespace quillex
