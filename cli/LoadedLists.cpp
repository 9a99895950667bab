#include "LoadedLists.h"

#include <algorithm>
#include "errors/InternalFailure.h"

#include "wordlists/LengthRanges.h"
#include "wordlists/LoadWordList.h"
#include "wordlists/Resources.h"

namespace quillex::cli {
namespace {

WordList LoadChecked(WordListResource resource) {
    WordList list = LoadWordList(resource);
    if (auto problem = CheckAgainstTables(resource, list))
        throw InternalFailure(*problem, FailureCode::DataMismatch);
    return list;
}

// Bytes taken by the lines of one length of the main list, separators included.
size_t SliceBytes(int length) {
    const LengthRange slice = MainLengthRange(length);
    return static_cast<size_t>(slice.last - slice.first + 1) * static_cast<size_t>(length + 2);
}

}  // namespace

const WordList& MainList() {
    static const WordList list = LoadChecked(MainListResource);
    return list;
}

WordList MainListSlice(int length) {
    // Words are stored by length, each line `length + 2` bytes with its CR LF, so one length's
    // lines are found from the table alone. A resource laid out otherwise gives a slice whose
    // ends have other lengths, which the search refuses.
    const auto bytes = ReadResource(MainListResource.typeName, MainListResource.id);
    if (!bytes) return MainList();  // reports the missing resource as a full load would
    size_t begin = 0;
    for (int l = MinMainLength; l < length; ++l) begin += SliceBytes(l);
    begin = std::min(begin, bytes->size());
    const size_t end = std::clamp(begin + SliceBytes(length) - 2, begin, bytes->size());
    return WordList::FromWindows1252(bytes->subspan(begin, end - begin));
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
