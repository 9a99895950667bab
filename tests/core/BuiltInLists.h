// Lists for the engine tests and benchmarks: the built-in lists, loaded once per program, and
// lists that view a test's own bytes.
#pragma once

#include <span>
#include <string>

#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/SynonymLetterTables.h"
#include "core/wordlists/WordList.h"

namespace quillex::test {

inline const WordList& MainList() {
    static const WordList list = LoadWordList(MainListResource);
    return list;
}

inline const WordList& ScrabbleList() {
    static const WordList list = LoadWordList(ScrabbleListResource);
    return list;
}

inline const WordList& SynonymLines() {
    static const WordList list = LoadWordList(SynonymListResource);
    return list;
}

inline std::string_view LemmaText() {
    static const std::string_view text = LoadLemmaText();
    return text;
}

/// The synonym list's letter groups, with the form→lemma list.
inline const SynonymLetterTables& Letters() {
    static const SynonymLetterTables tables = [] {
        SynonymLetterTables filled;
        filled.fill(SynonymLines());
        filled.setLemmas(LemmaText());
        return filled;
    }();
    return tables;
}

// The list views `bytes`, which must outlive it; a temporary string would leave it dangling.
inline WordList ListOfBytes(const std::string& bytes) {
    return WordList::FromWindows1252(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}
WordList ListOfBytes(std::string&&) = delete;

}  // namespace quillex::test
