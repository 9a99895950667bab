// Any bytes read as a word list: no element holds a zero character or a CR LF, and the count is
// the number of separators plus one.
#include <cstddef>
#include <cstdint>

#include "wordlists/WordList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const quillex::WordList list = quillex::WordList::FromWindows1252({data, size});
    size_t separators = 0;
    for (int i = 0; i < list.count(); ++i) {
        const std::u16string_view element = list.at(i);
        if (element.find(u'\0') != element.npos || element.find(u"\r\n") != element.npos)
            __builtin_trap();
        if (i + 1 < list.count()) ++separators;
    }
    size_t expected = 0;
    for (size_t i = 0, last = 0; i < size; ++i) {
        if (data[i] == 0) continue;
        if (data[i] == '\n' && last == '\r') ++expected;
        last = data[i];
    }
    if (separators != expected) __builtin_trap();
    return 0;
}
