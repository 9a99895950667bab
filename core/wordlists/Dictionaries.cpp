#include "core/wordlists/Dictionaries.h"

namespace quillex {

const WordList& MainList() {
    static const WordList list = LoadWordList(MainListResource);
    return list;
}

const WordList& ScrabbleList() {
    static const WordList list = LoadWordList(ScrabbleListResource);
    return list;
}

const WordList& SynonymList() {
    static const WordList list = LoadWordList(SynonymListResource);
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
    static const WordList list = LoadWordList(GlossaryResource);
    return list;
}

const Dictionaries& BuiltInDictionaries() {
    static Dictionaries all;
    static const bool filled = [] {
        all.mainWordList = MainList();
        all.scrabbleWordList = ScrabbleList();
        all.synonymList = SynonymList();
        all.shortWordGlossary = GlossaryList();
        all.synonymLetterTables.fill(all.synonymList);
        return true;
    }();
    (void)filled;
    return all;
}

}  // namespace quillex
