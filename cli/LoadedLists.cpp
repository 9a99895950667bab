#include "LoadedLists.h"

#include "core/errors/InternalFailure.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex::cli {
namespace {

WordList LoadChecked(WordListResource resource) {
    WordList list = LoadWordList(resource);
    if (auto problem = CheckAgainstTables(resource, list))
        throw InternalFailure(*problem, FailureCode::DataMismatch);
    return list;
}

}  // namespace

const WordList& MainList() {
    static const WordList list = LoadChecked(MainListResource);
    return list;
}

const WordList& ScrabbleList() {
    static const WordList list = LoadChecked(ScrabbleListResource);
    return list;
}

const WordList& SynonymList() {
    static const WordList list = LoadChecked(SynonymListResource);
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

const SynonymLetterTables& SynonymTablesFor(std::u16string_view text) {
    static WordList groupLines;
    static SynonymLetterTables tables;
    const std::u16string folded = LookupSpelling(text);
    // A browse of fewer than two characters, or of one no group starts with, reads no table.
    if (text.size() < 2) return tables;
    const char16_t letter = FirstLetterGroupOf(folded);
    if (letter == 0) return tables;
    groupLines = LoadSynonymGroup(static_cast<char>(letter));
    tables.fillGroup(letter, groupLines);
    return tables;
}

std::string_view LemmaText() {
    static const std::string_view text = LoadLemmaText();
    return text;
}

const WordList& GlossaryList() {
    static const WordList list = LoadChecked(GlossaryResource);
    return list;
}

}  // namespace quillex::cli
