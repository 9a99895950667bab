#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillex {

/// How an anagram search ended: with a list of words, or refused before searching.
enum class AnagramStatus {
    Found,
    DrawTooShort,
    TooManyJokers,
    DrawTooLong,
    MoreThanTwoJokers,
};

/// The result of one anagram search: a status and, when Found, the words in list order.
struct AnagramOutcome {
    AnagramStatus status = AnagramStatus::Found;
    /// Views of the searched list's bytes; empty for a refusal or when nothing matches.
    std::vector<std::string_view> words;
    /// For each word, bit k set when its letter k is one the drawn letters do not supply (a
    /// joker's letter or the board letter), put at the last places such a letter can take.
    std::vector<uint16_t> freeLetterPlaces;

    bool operator==(const AnagramOutcome&) const = default;
};

/// The character that stands for any one letter in a draw.
inline constexpr char16_t Joker = u'?';

/// The refusal of an empty or one-character draw.
inline constexpr std::u16string_view DrawTooShortText =
    u"Vous devez saisir, dans la zone de texte, un mot compris entre 3 et 9 lettres.";
/// The refusal of a draw holding more than one joker.
inline constexpr std::u16string_view TooManyJokersText =
    u"Un seul joker est autorisé pour la recherche. Modifiez votre requête.";
/// The refusal of a draw of more than nine characters.
inline constexpr std::u16string_view DrawTooLongText =
    u"Un tirage compte au plus 9 lettres, joker compris. Modifiez votre requête.";

/// The refusal of a third joker when two are allowed.
inline constexpr std::u16string_view MoreThanTwoJokersText =
    u"Deux jokers au plus sont autorisés pour la recherche. Modifiez votre requête.";

/// The message shown for a refused search; empty for Found.
std::u16string_view RefusalText(AnagramStatus status);

}  // namespace quillex
