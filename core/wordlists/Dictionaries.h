#pragma once

#include "core/wordlists/SynonymLetterTables.h"
#include "core/wordlists/WordList.h"

namespace quillex {

/// The built-in lists and the synonym letter tables, filled once at start-up and read-only
/// afterwards. The letter tables point into synonymList, so the object never moves.
struct Dictionaries {
    WordList mainWordList;
    WordList scrabbleWordList;
    WordList synonymList;
    WordList shortWordGlossary;
    std::string_view lemmaText;
    SynonymLetterTables synonymLetterTables;

    Dictionaries() = default;
    Dictionaries(const Dictionaries&) = delete;
    Dictionaries& operator=(const Dictionaries&) = delete;
};

/// Loads the built-in lists into `into` and cuts the synonym list into its letter tables,
/// all at once (the window's splash does the same step by step).
void LoadAllLists(Dictionaries& into);

}  // namespace quillex
