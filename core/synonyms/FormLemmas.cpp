#include "core/synonyms/FormLemmas.h"

#include <algorithm>
#include <string>

#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// The line starting at byte `begin`, without its CR LF.
std::string_view LineFrom(std::string_view text, size_t begin) {
    const size_t end = std::min(text.find('\r', begin), text.size());
    return text.substr(begin, end - begin);
}

// The byte the line after the one starting at `begin` starts at, or the text's size.
size_t NextLine(std::string_view text, size_t begin) {
    const size_t lf = text.find('\n', begin);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}

std::string_view FormOf(std::string_view line) {
    return line.substr(0, line.find('@'));
}

// The lemma written from `form` as `written`: the characters to drop from the form's end, then
// those to add; empty when the writing is malformed.
std::string LemmaFrom(std::string_view form, std::string_view written) {
    size_t drop = 0, digits = 0;
    while (digits < written.size() && written[digits] >= '0' && written[digits] <= '9' &&
           drop <= form.size())
        drop = drop * 10 + static_cast<size_t>(written[digits++] - '0');
    if (digits == 0 || drop > form.size()) return {};
    return std::string(form.substr(0, form.size() - drop)) + std::string(written.substr(digits));
}

void AppendLemmas(std::string_view line, std::vector<std::string>& lemmas) {
    const size_t at = line.find('@');
    if (at == std::string_view::npos) return;
    const std::string_view form = line.substr(0, at);
    std::string_view rest = line.substr(at + 1);
    while (!rest.empty()) {
        const size_t cut = std::min(rest.find('\\'), rest.size());
        const std::string lemma = LemmaFrom(form, rest.substr(0, cut));
        if (!lemma.empty() && std::find(lemmas.begin(), lemmas.end(), lemma) == lemmas.end())
            lemmas.push_back(lemma);
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
}

}  // namespace

std::vector<std::string> LemmasOf(std::u16string_view word, std::string_view lemmaText) {
    std::vector<std::string> lemmas;
    const std::u16string folded = LookupSpelling(word);
    if (folded.empty() || folded.find(u'@') != std::u16string::npos) return lemmas;
    // The first line whose form's spelling is not before the word's; `low` is always a line start.
    size_t low = 0;
    size_t high = lemmaText.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const size_t lf = lemmaText.rfind('\n', middle == 0 ? 0 : middle - 1);
        const size_t begin = (lf == std::string_view::npos || lf < low) ? low : lf + 1;
        if (LookupSpelling(FormOf(LineFrom(lemmaText, begin))) < folded)
            low = NextLine(lemmaText, begin);
        else
            high = begin;
    }
    std::vector<std::string_view> lines;
    for (size_t begin = low; begin < lemmaText.size(); begin = NextLine(lemmaText, begin)) {
        const std::string_view line = LineFrom(lemmaText, begin);
        if (!LookupSpellingEquals(FormOf(line), folded)) break;
        lines.push_back(line);
    }
    const std::u16string lowered = ToLower(word);
    for (const std::string_view line : lines)
        if (DecodeWindows1252(FormOf(line)) == lowered) AppendLemmas(line, lemmas);
    for (const std::string_view line : lines) AppendLemmas(line, lemmas);
    return lemmas;
}

}  // namespace quillex
