// Any bytes read as a word list: no element holds a zero byte or a CR LF, and the count is the
// number of separators plus one. The same bytes read by length, as the first two bytes give the
// sizes of two slices: when they are taken, every word has its slice's length and lies in them.
#include <cstddef>
#include <cstdint>

#include "core/wordlists/WordList.h"

namespace {

void CheckSplit(const uint8_t* data, size_t size) {
    const quillex::WordList list = quillex::WordList::FromWindows1252({data, size});
    size_t separators = 0;
    for (int i = 0; i < list.count(); ++i) {
        const std::string_view element = list.at(i);
        if (element.find('\0') != element.npos || element.find("\r\n") != element.npos)
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
}

void CheckSlices(const uint8_t* data, size_t size) {
    if (size < 2) return;
    const int twos = data[0] % 8, threes = data[1] % 8;
    const quillex::data::LengthSlice ranges[] = {{2, 1, twos}, {3, twos + 1, twos + threes}};
    const auto list = quillex::WordList::FromLengthSlices({data + 2, size - 2}, ranges);
    if (!list) return;
    if (list->count() != twos + threes) __builtin_trap();
    const auto* begin = reinterpret_cast<const char*>(data + 2);
    for (int i = 0; i < list->count(); ++i) {
        const std::string_view word = list->at(i);
        if (word.size() != (i < twos ? 2u : 3u) || word.data() < begin ||
            word.data() + word.size() > begin + (size - 2))
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckSplit(data, size);
    CheckSlices(data, size);
    return 0;
}
