#pragma once

#include "wordlists/SynonymLetterTables.h"
#include "wordlists/WordList.h"

namespace quillex {

/// The four built-in lists and the synonym letter tables, filled once at start-up and read-only
/// afterwards. The letter tables point into synonymList, so the object never moves.
struct Dictionaries {
    WordList mainWordList;
    WordList scrabbleWordList;
    WordList synonymList;
    WordList shortWordGlossary;
    SynonymLetterTables synonymLetterTables;

    Dictionaries() = default;
    Dictionaries(const Dictionaries&) = delete;
    Dictionaries& operator=(const Dictionaries&) = delete;
};

}  // namespace quillex
