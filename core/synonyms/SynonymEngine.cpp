#include "core/synonyms/SynonymEngine.h"

#include <algorithm>
#include <optional>

#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/FindSynonymEntry.h"
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

std::vector<std::string_view> SynonymEngine::browse(std::u16string_view text) {
    browsedText_ = ToLower(text);
    return BrowseHeadwords(browsedText_, *tables_, listed_);
}

void SynonymEngine::clearListing() {
    listed_.clear();
}

SynonymLookupResult SynonymEngine::lookUp(std::u16string_view typedText) {
    history_.add(typedText);
    SynonymLookupResult result;
    std::optional<SynonymEntry> entry;
    if (const auto found = FindHeadword(ToLower(typedText), typedText, listed_.count(),
                                        [this](int k) { return listed_.line(k); }))
        entry = SynonymEntry{listed_.line(*found), {}};
    else
        entry = FindLemmaEntry(Trimmed(typedText), *tables_);
    if (!entry) {
        result.shownText = typedText;
        result.resultText = NoSynonymFoundText;
        result.message = NoSynonymMessage;
        return result;
    }
    result.found = true;
    const std::string_view line = entry->line;
    result.shownText = ToLower(DecodeWindows1252(line.substr(0, line.find('@'))));
    if (!entry->lemma.empty()) result.lemmaNotice = ToLower(typedText) + u" → " + result.shownText;
    result.synonyms = SplitSynonyms(line);
    result.resultText = CountText(result.synonyms.size());
    return result;
}

}  // namespace quillex
