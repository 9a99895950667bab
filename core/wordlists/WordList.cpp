#include "wordlists/WordList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "text/Text.h"

namespace quillex {

WordList WordList::FromWindows1252(std::span<const unsigned char> bytes) {
    // Zero bytes are padding, never text: read the bytes without them.
    if (std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {
        std::vector<unsigned char> kept(bytes.begin(), bytes.end());
        std::erase(kept, 0);
        return FromWindows1252(kept);
    }
    WordList list;
    list.text_.resize(bytes.size() + LineBreak.size());
    for (size_t i = 0; i < bytes.size(); ++i) list.text_[i] = Windows1252Char(bytes[i]);
    list.text_[bytes.size()] = u'\r';
    list.text_[bytes.size() + 1] = u'\n';

    // A line starts after each CR LF; the count of LF bytes sizes the table once.
    const auto* begin = bytes.data();
    const auto* end = begin + bytes.size();
    list.starts_.reserve(static_cast<size_t>(std::count(begin, end, '\n')) + 2);
    for (const auto* lf = static_cast<const unsigned char*>(std::memchr(begin, '\n', bytes.size()));
         lf != nullptr;
         lf = static_cast<const unsigned char*>(std::memchr(lf + 1, '\n', end - lf - 1))) {
        if (lf > begin && lf[-1] == '\r')
            list.starts_.push_back(static_cast<uint32_t>(lf - begin + 1));
    }
    list.starts_.push_back(static_cast<uint32_t>(list.text_.size()));
    return list;
}

std::u16string_view WordList::at(int i) const {
    if (i < 0 || i >= count()) throw std::out_of_range("word list index");
    return (*this)[i];
}

}  // namespace quillex
