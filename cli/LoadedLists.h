#pragma once

#include "wordlists/SynonymLetterTables.h"
#include "wordlists/WordList.h"

namespace quillex::cli {

/// The four built-in lists and the synonym letter tables, loaded once on first use.
struct LoadedLists {
    WordList main;
    WordList scrabble;
    WordList synonyms;
    WordList glossary;
    SynonymLetterTables letters;

    /// Loads and checks the lists; throws InternalFailure when they disagree with their tables.
    static const LoadedLists& Get();

    LoadedLists(const LoadedLists&) = delete;
    LoadedLists& operator=(const LoadedLists&) = delete;

  private:
    LoadedLists(WordList mainList, WordList scrabbleList, WordList synonymList,
                WordList glossaryList);
};

}  // namespace quillex::cli
