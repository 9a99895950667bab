#include "LoadedLists.h"

#include <algorithm>
#include "errors/InternalFailure.h"

#include "wordlists/LengthRanges.h"
#include "wordlists/LoadWordList.h"
#include "wordlists/Resources.h"

namespace quillex::cli {
namespace {

WordList LoadChecked(WordListResource resource) {
    WordList list = LoadWordList(resource.typeName, resource.id);
    if (auto problem = CheckAgainstTables(resource, list))
        throw InternalFailure(*problem, FailureCode::DataMismatch);
    return list;
}

}  // namespace

const WordList& MainList() {
    static const WordList list = LoadChecked(MainListResource);
    return list;
}

WordList MainListThrough(int length) {
    // Words are stored by length, each line `length + 2` bytes with its CR LF, so the lines up to
    // the end of a length's slice are a prefix of the resource. A resource laid out otherwise
    // gives a list the searches refuse, since they check their slice's ends.
    const auto bytes = ReadResource(MainListResource.typeName, MainListResource.id);
    if (!bytes) return MainList();  // reports the missing resource as a full load would
    size_t end = 0;
    for (int l = MinMainLength; l <= length; ++l) {
        const LengthRange slice = MainLengthRange(l);
        end += static_cast<size_t>(slice.last - slice.first + 1) * static_cast<size_t>(l + 2);
    }
    return WordList::FromWindows1252(bytes->first(std::min(end - 2, bytes->size())));
}

const WordList& ScrabbleList() {
    static const WordList list = LoadChecked(ScrabbleListResource);
    return list;
}

const WordList& SynonymList() {
    static const WordList list = LoadChecked(SynonymListResource);
    return list;
}

const SynonymLetterTables& SynonymTables() {
    static const SynonymLetterTables tables = [] {
        SynonymLetterTables filled;
        filled.fill(SynonymList());
        return filled;
    }();
    return tables;
}

const WordList& GlossaryList() {
    static const WordList list = LoadChecked(GlossaryResource);
    return list;
}

}  // namespace quillex::cli
