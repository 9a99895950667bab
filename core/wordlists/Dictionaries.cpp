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
        filled.setLemmas(LemmaText());
        return filled;
    }();
    return tables;
}

std::string_view LemmaText() {
    static const std::string_view text = LoadLemmaText();
    return text;
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
        all.lemmaText = LemmaText();
        all.synonymLetterTables = SynonymTables();
        return true;
    }();
    (void)filled;
    return all;
}

}  // namespace quillex
