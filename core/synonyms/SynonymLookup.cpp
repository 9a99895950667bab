#include "core/synonyms/SynonymLookup.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/synonyms/HeadwordMatch.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

std::vector<std::string_view> SplitSynonyms(std::string_view line) {
    std::vector<std::string_view> synonyms;
    const size_t at = line.find('@');
    if (at == std::string_view::npos) return synonyms;
    std::string_view rest = line.substr(at + 1);
    while (!rest.empty()) {
        const size_t cut = std::min(rest.find('\\'), rest.size());
        if (cut > 0) synonyms.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
    return synonyms;
}

std::u16string CountText(size_t count) {
    if (count == 0) return std::u16string(NoSynonymFoundText);
    if (count == 1) return u"Un synonyme trouvé.";
    return FromUtf8(std::to_string(count)) + u" synonymes trouvés.";
}

}  // namespace

SynonymLookupResult SynonymLookup(std::u16string_view word, std::u16string_view typedText,
                                  const ListedEntries& listedEntries, LookupHistory& history) {
    history.add(typedText);
    SynonymLookupResult result;
    const std::optional<int> k =
        FindHeadword(word, typedText, listedEntries.count(),
                     [&listedEntries](int k) { return listedEntries.line(k); });
    if (!k) {
        result.shownText = typedText;
        result.resultText = NoSynonymFoundText;
        result.message = NoSynonymMessage;
        return result;
    }
    result.found = true;
    result.shownText = ToLower(DecodeWindows1252(listedEntries.headword(*k)));
    result.synonyms = SplitSynonyms(listedEntries.line(*k));
    result.resultText = CountText(result.synonyms.size());
    return result;
}

}  // namespace quillex
