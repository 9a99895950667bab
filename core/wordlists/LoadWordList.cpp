#include "core/wordlists/LoadWordList.h"

#include "core/errors/InternalFailure.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "core/wordlists/DataTables.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/Resources.h"

namespace quillex {
namespace {

std::u16string Number(long value) {
    return FromUtf8(std::to_string(value));
}

std::optional<std::u16string> CheckSlices(const WordList& list, int lowest, int highest,
                                          LengthSlice (*sliceOf)(int)) {
    for (int length = lowest; length <= highest; ++length) {
        const LengthSlice slice = sliceOf(length);
        for (int position : {slice.first, slice.last}) {
            if (static_cast<int>(list.atPosition(position).size()) != length)
                return u"la position " + Number(position) + u" ne tient pas un mot de " +
                       Number(length) + u" lettres";
        }
        if (slice.first > 1 && static_cast<int>(list.atPosition(slice.first - 1).size()) == length)
            return u"les mots de " + Number(length) + u" lettres commencent avant la position " +
                   Number(slice.first);
    }
    return std::nullopt;
}

// The letter a..z a headword's first character files it under, as the look-up spelling groups
// it ("É" and "é" under e, "œ" and "æ" under o and a); 0 for a character no letter group takes.
char GroupLetterOf(std::string_view line) {
    // Hyphens and apostrophes do not count in the dictionary order.
    const size_t first = line.find_first_not_of("-'");
    if (first == std::string_view::npos) return 0;
    const char16_t c = Windows1252Char(line[first]);
    return static_cast<char>(FirstLetterGroupOf(LookupSpellingOf(c)));
}

std::u16string Quoted(std::string_view text) {
    return u"« " + DecodeWindows1252(text) + u" »";
}

// Each line of the synonym list sits in the group of its headword's first letter, the groups
// cut by the fixed sizes: other sizes would file lines under the wrong letter.
std::optional<std::u16string> CheckSynonymGroups(const WordList& list) {
    int line = 0;
    for (int letter = 0; letter < static_cast<int>(data::SynonymGroupSizes.size()); ++letter) {
        const char wanted = static_cast<char>('a' + letter);
        for (int j = 0; j < data::SynonymGroupSizes[letter] && line < list.count(); ++j, ++line) {
            if (GroupLetterOf(list[line]) == wanted) continue;
            const std::string_view entry = list[line];
            return u"la ligne " + Number(line + 1) + u" " +
                   Quoted(entry.substr(0, entry.find('@'))) +
                   u" tombe dans le groupe de la lettre " + std::u16string(1, char16_t(wanted));
        }
    }
    return std::nullopt;
}

// The two-letter words come first, as many as the table says, then the three-letter words.
std::optional<std::u16string> CheckGlossaryBlocks(const WordList& list) {
    for (int i = 0; i < list.count(); ++i) {
        const std::string_view entry = list[i];
        const size_t letters = i < data::GlossaryTwoLetterCount ? 2 : 3;
        if (entry.find(':') != letters)
            return u"la ligne " + Number(i + 1) + u" " + Quoted(entry.substr(0, entry.find(':'))) +
                   u" ne définit pas un mot de " + Number(static_cast<long>(letters)) + u" lettres";
    }
    return std::nullopt;
}

// Where the first line filed under `letter` or a later letter starts, the lines being in group
// order: a binary search over the bytes, reading a few lines only.
size_t FirstLineFrom(std::string_view text, char letter) {
    size_t low = 0, high = text.size();  // low is always a line's start
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        // The line holding the middle byte, its LF included.
        const size_t before = middle == 0 ? std::string_view::npos : text.rfind('\n', middle - 1);
        const size_t start = before == std::string_view::npos ? 0 : before + 1;
        const size_t lf = text.find('\n', start);
        const size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        const char found = GroupLetterOf(text.substr(start, next - start));
        if (found != 0 && found < letter)
            low = next;
        else
            high = start;
    }
    return low;
}

std::optional<std::u16string> CheckMainSlices(const WordList& list) {
    return CheckSlices(list, MinMainLength, MaxMainLength, MainLengthSlice);
}

std::optional<std::u16string> CheckScrabbleSlices(const WordList& list) {
    return CheckSlices(list, MinScrabbleLength, MaxScrabbleLength, ScrabbleLengthSlice);
}

// How each word list is checked beyond its count.
struct ListCheck {
    WordListResource resource;
    std::optional<std::u16string> (*check)(const WordList&);
};

constexpr ListCheck kChecks[] = {
    {MainListResource, CheckMainSlices},
    {ScrabbleListResource, CheckScrabbleSlices},
    {SynonymListResource, CheckSynonymGroups},
    {GlossaryResource, CheckGlossaryBlocks},
};

const ListCheck* CheckOf(std::string_view typeName, int id) {
    for (const ListCheck& check : kChecks)
        if (check.resource.typeName == typeName && check.resource.id == id) return &check;
    return nullptr;
}

InternalFailure NotFound(std::string_view typeName, int id) {
    return InternalFailure(u"Ressource introuvable : " + FromUtf8(typeName) + u" " + Number(id),
                           FailureCode::ResourceNotFound);
}

}  // namespace

WordList LoadWordList(std::string_view typeName, int id) {
    const ListCheck* check = CheckOf(typeName, id);
    const auto bytes = ReadResource(typeName, id);
    if (!check || !bytes) throw NotFound(typeName, id);
    // The word lists are read where they lie; should their layout not be the one their table
    // gives, they are split like any text and the check below says where they disagree.
    const WordListResource& resource = check->resource;
    std::optional<WordList> list;
    if (!resource.lengthSlices.empty())
        list = WordList::FromLengthSlices(*bytes, resource.lengthSlices);
    if (!list) list = WordList::FromWindows1252(*bytes);
    if (auto problem = CheckAgainstTables(resource, *list))
        throw InternalFailure(*problem, FailureCode::DataMismatch);
    return std::move(*list);
}

WordList LoadSynonymGroup(char letter) {
    const auto bytes = ReadResource(SynonymListResource.typeName, SynonymListResource.id);
    if (!bytes) throw NotFound(SynonymListResource.typeName, SynonymListResource.id);
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const size_t begin = FirstLineFrom(text, letter);
    const size_t end = FirstLineFrom(text, static_cast<char>(letter + 1));
    std::string_view group = text.substr(begin, end - begin);
    if (group.ends_with("\r\n")) group.remove_suffix(2);
    WordList lines;
    if (!group.empty())
        lines = WordList::FromWindows1252(
            {reinterpret_cast<const unsigned char*>(group.data()), group.size()});
    const int wanted = data::SynonymGroupSizes[static_cast<size_t>(letter - 'a')];
    std::u16string problem;
    if (lines.count() != wanted)
        problem = u"le groupe de la lettre " + std::u16string(1, char16_t(letter)) + u" compte " +
                  Number(lines.count()) + u" lignes au lieu de " + Number(wanted);
    for (int i = 0; i < lines.count() && problem.empty(); ++i)
        if (GroupLetterOf(lines[i]) != letter)
            problem = u"la ligne " + Quoted(lines[i].substr(0, lines[i].find('@'))) +
                      u" tombe dans le groupe de la lettre " + std::u16string(1, char16_t(letter));
    if (!problem.empty())
        throw InternalFailure(u"La liste " + FromUtf8(SynonymListResource.typeName) +
                                  u" ne suit pas ses tables : " + problem,
                              FailureCode::DataMismatch);
    return lines;
}

std::optional<std::u16string> CheckAgainstTables(WordListResource resource, const WordList& list) {
    const std::u16string name = FromUtf8(resource.typeName);
    const ListCheck* check = CheckOf(resource.typeName, resource.id);
    if (!check) return u"La liste " + name + u" n'a pas de tables";
    if (list.count() != check->resource.count) {
        return u"La liste " + name + u" compte " + Number(list.count()) + u" lignes au lieu de " +
               Number(check->resource.count);
    }
    if (auto problem = check->check(list))
        return u"La liste " + name + u" ne suit pas ses tables : " + *problem;
    return std::nullopt;
}

std::string_view LoadLemmaText() {
    const auto bytes = ReadResource(LemmaListResource.typeName, LemmaListResource.id);
    const std::u16string name = FromUtf8(LemmaListResource.typeName);
    if (!bytes) throw NotFound(LemmaListResource.typeName, LemmaListResource.id);
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    // The size and the two end lines are checked; the order, which the build sorts and the tests
    // check, would cost a pass over every form.
    const std::string_view first = text.substr(0, text.find('\r'));
    const std::string_view last = text.substr(text.rfind('\n') + 1);
    const bool framed = first.find('@') + 1 < first.size() && last.find('@') + 1 < last.size() &&
                        first.find('@') > 0 && last.find('@') > 0;
    if (static_cast<long>(text.size()) != data::LemmaTextBytes || !framed) {
        throw InternalFailure(u"La liste " + name + u" ne suit pas ses tables : " +
                                  Number(static_cast<long>(text.size())) + u" octets au lieu de " +
                                  Number(data::LemmaTextBytes),
                              FailureCode::DataMismatch);
    }
    return text;
}

}  // namespace quillex
