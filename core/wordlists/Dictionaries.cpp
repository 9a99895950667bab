#include "core/wordlists/Dictionaries.h"

#include "core/wordlists/LoadWordList.h"

namespace quillex {

void LoadAllLists(Dictionaries& into) {
    into.mainWordList = LoadWordList(MainListResource);
    into.scrabbleWordList = LoadWordList(ScrabbleListResource);
    into.synonymList = LoadWordList(SynonymListResource);
    into.shortWordGlossary = LoadWordList(GlossaryResource);
    into.lemmaText = LoadLemmaText();
    into.synonymLetterTables.fill(into.synonymList);
    into.synonymLetterTables.setLemmas(into.lemmaText);
}

}  // namespace quillex
