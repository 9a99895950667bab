#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/pattern/Pattern.h"

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

/// Why a pattern is not searched: the French text (lines separated by '\n') and whether it is
/// the joker limit, which the window shows as an error.
struct PatternRefusal {
    std::u16string text;
    bool jokerLimit = false;
};

/// Renders a piece of the typed text inside a message (the command line escapes control
/// characters; the window shows them as typed).
using EchoTyped = std::function<std::u16string(std::u16string_view)>;

/// The refusal of a pattern's text as read by Pattern::Parse, or nullopt when it can be
/// searched: a syntax error, a length outside 3..15, or more "?" than the joker limit allows.
/// A clue lifts the joker limit, since its synonyms keep the list short.
std::optional<PatternRefusal> RefusalOf(const std::variant<Pattern, PatternSyntaxError>& parsed,
                                        std::u16string_view text, bool clueGiven,
                                        const EchoTyped& echo);

/// "Aucun mot trouvé", "1 mot trouvé" or "N mots trouvés" for a count of results.
std::u16string ResultCountText(std::size_t count);

}  // namespace quillex
