#include "wordlists/Dictionaries.h"

#include "wordlists/LoadWordList.h"

namespace quillex {

void LoadAllLists(Dictionaries& into) {
    const auto load = [](WordListResource resource) {
        return LoadWordList(resource.typeName, resource.id);
    };
    into.mainWordList = load(MainListResource);
    into.scrabbleWordList = load(ScrabbleListResource);
    into.synonymList = load(SynonymListResource);
    into.shortWordGlossary = load(GlossaryResource);
    into.synonymLetterTables.fill(into.synonymList);
}

}  // namespace quillex
