#include "LoadedLists.h"

#include "errors/InternalFailure.h"
#include "wordlists/LoadWordList.h"

namespace quillex::cli {
namespace {

WordList LoadChecked(WordListResource resource) {
    WordList list = LoadWordList(resource.typeName, resource.id);
    if (auto problem = CheckAgainstTables(resource, list))
        throw InternalFailure(*problem, FailureCode::DataMismatch);
    return list;
}

}  // namespace

const LoadedLists& LoadedLists::Get() {
    // The letter tables point into `synonyms`, so the lists are built in place, never moved.
    static const LoadedLists lists(LoadChecked(MainListResource), LoadChecked(ScrabbleListResource),
                                   LoadChecked(SynonymListResource), LoadChecked(GlossaryResource));
    return lists;
}

LoadedLists::LoadedLists(WordList mainList, WordList scrabbleList, WordList synonymList,
                         WordList glossaryList)
    : main(std::move(mainList)),
      scrabble(std::move(scrabbleList)),
      synonyms(std::move(synonymList)),
      glossary(std::move(glossaryList)) {
    letters.fill(synonyms);
}

}  // namespace quillex::cli
