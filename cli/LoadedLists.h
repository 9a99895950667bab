#pragma once

#include "core/wordlists/SynonymLetterTables.h"
#include "core/wordlists/WordList.h"

namespace quillex::cli {

// Each list is loaded and checked against its tables on first use only, so that a command reads
// just the lists it searches. A list that disagrees with its tables throws InternalFailure.

/// The main word list.
const WordList& MainList();
/// The Scrabble word list.
const WordList& ScrabbleList();
/// The synonym list.
const WordList& SynonymList();
/// The inflected forms of the synonym list's headwords.
std::string_view LemmaText();
/// The synonym list cut into its letter tables, with the form→lemma list.
const SynonymLetterTables& SynonymTables();
/// Letter tables holding only the group a headword browse of `text` reads (the text is
/// folded as the browse does it): that group alone is split and checked.
const SynonymLetterTables& SynonymTablesFor(std::u16string_view text);
/// The glossary of the two- and three-letter words.
const WordList& GlossaryList();

}  // namespace quillex::cli
