#pragma once

#include "core/wordlists/LoadWordList.h"
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

// The built-in lists of this process, each loaded and checked against its tables the first time
// it is asked for, so that a command reads only the lists it searches. A list that is missing or
// disagrees with its tables throws InternalFailure, at every call.

/// The main (crossword) list.
const WordList& MainList();
/// The Scrabble list.
const WordList& ScrabbleList();
/// The synonym list.
const WordList& SynonymList();
/// The inflected forms of the synonym list's headwords ("form@lemma" lines), checked.
std::string_view LemmaText();
/// The synonym list cut into its letter tables, with the form→lemma list.
const SynonymLetterTables& SynonymTables();
/// The glossary of the two- and three-letter words.
const WordList& GlossaryList();
/// All of them at once, as the window holds them.
const Dictionaries& BuiltInDictionaries();

}  // namespace quillex
