#pragma once

#include "wordlists/SynonymLetterTables.h"
#include "wordlists/WordList.h"

namespace quillex::cli {

// Each list is loaded and checked against its tables on first use only, so that a command reads
// just the lists it searches. A list that disagrees with its tables throws InternalFailure.

/// The main word list.
const WordList& MainList();
/// The Scrabble word list.
const WordList& ScrabbleList();
/// The synonym list.
const WordList& SynonymList();
/// The synonym list cut into its letter tables.
const SynonymLetterTables& SynonymTables();
/// The glossary of the two- and three-letter words.
const WordList& GlossaryList();

}  // namespace quillex::cli
