// The built-in synonym list and its letter tables, loaded once per test program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/core/ListOfBytes.h"

namespace quillex::test {

// The stored line of a headword, found by a plain scan of the whole list.
inline std::string_view LineOf(std::u16string_view headword) {
    const WordList& list = SynonymList();
    for (int i = 0; i < list.count(); ++i) {
        const std::u16string line = DecodeWindows1252(list[i]);
        if (line.size() > headword.size() && line.starts_with(headword) &&
            line[headword.size()] == u'@')
            return list[i];
    }
    return {};
}

// Views of the lists' bytes, decoded.
template <typename Bytes>
std::vector<std::u16string> ToStrings(const std::vector<Bytes>& lines) {
    std::vector<std::u16string> texts;
    for (const std::string_view line : lines) texts.push_back(DecodeWindows1252(line));
    return texts;
}

}  // namespace quillex::test
