#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillex {

/// First line of the notice shown when a pattern holds too many jokers.
inline constexpr std::u16string_view JokerLimitNoticeFirstLine =
    u"Le nombre de caractère joker '' ? '' est trop important.";
/// Second line of the joker-limit notice.
inline constexpr std::u16string_view JokerLimitNoticeSecondLine = u"Modifiez la recherche.";
/// The whole joker-limit notice, its two lines joined by CR LF.
inline constexpr std::u16string_view JokerLimitNotice =
    u"Le nombre de caractère joker '' ? '' est trop important.\r\nModifiez la recherche.";

/// The notice shown when a letter box refuses a character (six trailing spaces included).
inline constexpr std::u16string_view InvalidCharNotice =
    u"Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      ";

/// "Aucun mot trouvé", "1 mot trouvé" or "N mots trouvés" for a count of results.
std::u16string ResultCountText(std::size_t count);

}  // namespace quillex
