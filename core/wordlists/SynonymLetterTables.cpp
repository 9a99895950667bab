#include "core/wordlists/SynonymLetterTables.h"

#include <algorithm>

#include "core/errors/InternalFailure.h"
#include "core/wordlists/DataTables.h"

namespace quillex {

void SynonymLetterTables::fill(const WordList& synonyms) {
    int next = 0;
    bool complete = true;
    for (size_t letter = 0; letter < tables_.size(); ++letter) {
        Table& table = tables_[letter];
        const int wanted = data::SynonymGroupSizes[letter];
        table.list_ = &synonyms;
        table.first_ = next;
        table.size_ = std::clamp(synonyms.count() - next, 0, wanted);
        complete = complete && table.size_ == wanted;
        next += table.size_;
    }
    if (!complete) {
        throw InternalFailure(u"L'indice n'appartient pas à la sélection",
                              FailureCode::IndexOutOfRange);
    }
}

void SynonymLetterTables::fillGroup(char16_t letter, const WordList& lines) {
    Table& table = tables_[letter - u'a'];
    table.list_ = &lines;
    table.first_ = 0;
    table.size_ = lines.count();
}

}  // namespace quillex
