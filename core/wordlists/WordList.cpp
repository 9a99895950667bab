#include "wordlists/WordList.h"

#include <algorithm>
#include <stdexcept>

#include "text/Text.h"

namespace quillex {

WordList WordList::FromWindows1252(std::span<const unsigned char> bytes) {
    // The separators are counted first so that the text and the line starts are each allocated
    // once, at their final size; then one pass decodes, drops zero bytes and notes line starts.
    const size_t separators = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    WordList list;
    list.text_.resize(bytes.size() + LineBreak.size());
    list.starts_.reserve(separators + 2);  // already holds the first line's start
    size_t length = 0;
    for (const unsigned char byte : bytes) {
        if (byte == 0) continue;
        const char16_t c = Windows1252Char(byte);
        list.text_[length++] = c;
        if (c == u'\n' && length >= 2 && list.text_[length - 2] == u'\r')
            list.starts_.push_back(static_cast<uint32_t>(length));
    }
    list.text_[length++] = u'\r';
    list.text_[length++] = u'\n';
    list.text_.resize(length);
    list.starts_.push_back(static_cast<uint32_t>(length));
    return list;
}

std::u16string_view WordList::at(int i) const {
    if (i < 0 || i >= count()) throw std::out_of_range("word list index");
    return (*this)[i];
}

}  // namespace quillex
