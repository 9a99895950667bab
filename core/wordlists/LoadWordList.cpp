#include "wordlists/LoadWordList.h"

#include "errors/InternalFailure.h"
#include "text/Text.h"
#include "wordlists/DataTables.h"
#include "wordlists/LengthRanges.h"
#include "wordlists/Resources.h"

namespace quillex {
namespace {

std::u16string Number(long value) {
    return FromUtf8(std::to_string(value));
}

std::optional<std::u16string> CheckSlices(const WordList& list, int lowest, int highest,
                                          LengthRange (*range)(int)) {
    for (int length = lowest; length <= highest; ++length) {
        const LengthRange slice = range(length);
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

int ExpectedCount(WordListResource resource) {
    if (resource.id == MainListResource.id) return data::MainWordCount;
    if (resource.id == ScrabbleListResource.id) return data::ScrabbleWordCount;
    if (resource.id == SynonymListResource.id) return data::SynonymLineCount;
    return data::GlossaryLineCount;
}

}  // namespace

WordList LoadWordList(std::string_view typeName, int id) {
    const auto bytes = ReadResource(typeName, id);
    if (!bytes) {
        throw InternalFailure(u"Ressource introuvable : " + FromUtf8(typeName) + u" " + Number(id),
                              FailureCode::ResourceNotFound);
    }
    return WordList::FromWindows1252(*bytes);
}

std::optional<std::u16string> CheckAgainstTables(WordListResource resource, const WordList& list) {
    const std::u16string name = FromUtf8(resource.typeName);
    if (list.count() != ExpectedCount(resource)) {
        return u"La liste " + name + u" compte " + Number(list.count()) + u" lignes au lieu de " +
               Number(ExpectedCount(resource));
    }
    std::optional<std::u16string> problem;
    if (resource.id == MainListResource.id)
        problem = CheckSlices(list, MinMainLength, MaxMainLength, MainLengthRange);
    else if (resource.id == ScrabbleListResource.id)
        problem = CheckSlices(list, MinScrabbleLength, MaxScrabbleLength, ScrabbleLengthRange);
    if (problem) return u"La liste " + name + u" ne suit pas ses tables : " + *problem;
    return std::nullopt;
}

}  // namespace quillex
