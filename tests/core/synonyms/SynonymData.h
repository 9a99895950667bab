// The built-in synonym list and its letter tables, loaded once per test program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wordlists/LoadWordList.h"
#include "wordlists/SynonymLetterTables.h"

namespace quillex::test {

inline const WordList& SynonymLines() {
    static const WordList list = LoadWordList(SynonymListResource);
    return list;
}

inline const SynonymLetterTables& Letters() {
    static const SynonymLetterTables tables = [] {
        SynonymLetterTables filled;
        filled.fill(SynonymLines());
        return filled;
    }();
    return tables;
}

// The stored line of a headword, found by a plain scan of the whole list.
inline std::u16string_view LineOf(std::u16string_view headword) {
    const WordList& list = SynonymLines();
    for (int i = 0; i < list.count(); ++i) {
        const std::u16string_view line = list[i];
        if (line.size() > headword.size() && line.starts_with(headword) &&
            line[headword.size()] == u'@')
            return line;
    }
    return {};
}

inline std::vector<std::u16string> ToStrings(const std::vector<std::u16string_view>& views) {
    return {views.begin(), views.end()};
}

}  // namespace quillex::test
