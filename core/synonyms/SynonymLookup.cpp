#include "synonyms/SynonymLookup.h"

#include <algorithm>
#include <optional>
#include <string>

#include "synonyms/FirstLetterGroup.h"
#include "synonyms/LowerCharacter.h"
#include "text/Text.h"

namespace quillex {
namespace {

// Whether the headword of `line` (the part before its first "@") is `text`, case ignored on
// the line's side when `lowered`. A text holding "@" is no headword.
bool HeadwordIs(std::string_view line, std::u16string_view text, bool lowered) {
    const size_t n = text.size();
    if (line.size() <= n || line[n] != '@' || text.find(u'@') != std::u16string_view::npos)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = lowered ? LowerWindows1252Char(line[i]) : Windows1252Char(line[i]);
        if (c != text[i]) return false;
    }
    return true;
}

// A text lower-cased, its ligatures spelt out and its first letter unaccented: "Œil", "oeil",
// "Étoile" and "etoile" fold to "oeil" and "etoile", while "étoilé" stays "etoilé".
// The typed text is UTF-16, a listed headword Windows-1252 bytes.
char16_t CharacterOf(char16_t c) {
    return c;
}
char16_t CharacterOf(char byte) {
    return Windows1252Char(byte);
}

template <typename Char>
std::u16string LookupFold(std::basic_string_view<Char> text) {
    std::u16string folded;
    for (const Char raw : text) {
        const char16_t c = LowerCharacter(CharacterOf(raw));
        if (c == u'œ') {
            folded += u"oe";
        } else if (c == u'æ') {
            folded += u"ae";
        } else if (folded.empty()) {
            const auto group = FirstLetterGroup::ForFirstCharacter(c);
            folded += group ? group->fold(std::u16string_view(&c, 1)) : std::u16string(1, c);
        } else {
            folded += c;
        }
    }
    return folded;
}

// An exact spelling wins so that "Terre" and "terre", two entries, are each reachable; a text
// typed without accent or ligature finds its headword when it names only one.
std::optional<int> FindEntry(std::u16string_view word, std::u16string_view typedText,
                             const ListedEntries& entries) {
    std::optional<int> firstLowered;
    for (int k = 0; k < entries.count(); ++k) {
        const std::string_view line = entries.line(k);
        if (HeadwordIs(line, typedText, false)) return k;
        if (!firstLowered && HeadwordIs(line, word, true)) firstLowered = k;
    }
    if (firstLowered || word.find(u'@') != std::u16string_view::npos) return firstLowered;
    const std::u16string foldedWord = LookupFold(word);
    std::optional<int> onlyFolded;
    for (int k = 0; k < entries.count(); ++k) {
        if (LookupFold(entries.headword(k)) != foldedWord) continue;
        if (onlyFolded) return std::nullopt;
        onlyFolded = k;
    }
    return onlyFolded;
}

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
    const std::optional<int> k = FindEntry(word, typedText, listedEntries);
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
