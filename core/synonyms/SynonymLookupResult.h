#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// The result text of a look-up that found no headword.
inline constexpr std::u16string_view NoSynonymFoundText = u"Pas de synonyme trouvé.";
/// The message shown when a look-up finds no headword.
inline constexpr std::u16string_view NoSynonymMessage = u"Pas de synonyme pour ce mot.";

/// What a synonym look-up shows.
struct SynonymLookupResult {
    /// Whether a headword of the listing matched the word.
    bool found = false;
    /// The headword found, lower-cased; or the typed text, unchanged, when nothing was found.
    std::u16string shownText;
    /// When the typed word is no headword but an inflected form of one, "typed → lemma"
    /// ("voitures → voiture"); else empty.
    std::u16string lemmaNotice;
    /// The headword's synonyms, all of them, in dictionary order, as views of the list's bytes.
    std::vector<std::string_view> synonyms;
    /// "Un synonyme trouvé.", "N synonymes trouvés." or "Pas de synonyme trouvé.".
    std::u16string resultText;
    /// The message to show in a box: NoSynonymMessage when nothing was found, else empty.
    std::u16string message;
};

}  // namespace quillex
