#include "wordlists/WordList.h"

#include <stdexcept>

#include "text/Text.h"

namespace quillex {

WordList WordList::FromWindows1252(std::span<const unsigned char> bytes) {
    WordList list;
    list.text_ = DecodeWindows1252(bytes);
    std::erase(list.text_, u'\0');
    list.text_ += LineBreak;
    list.starts_.clear();
    list.starts_.reserve(list.text_.size() / 8 + 2);
    list.starts_.push_back(0);
    const std::u16string_view text(list.text_);
    for (size_t at = text.find(LineBreak); at != std::u16string_view::npos;
         at = text.find(LineBreak, at + 2)) {
        list.starts_.push_back(static_cast<uint32_t>(at + 2));
    }
    list.starts_.shrink_to_fit();
    return list;
}

std::u16string_view WordList::at(int i) const {
    if (i < 0 || i >= count()) throw std::out_of_range("word list index");
    return (*this)[i];
}

}  // namespace quillex
