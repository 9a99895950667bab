#include "core/wordlists/WordList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quillex {
namespace {

std::string_view AsText(std::span<const unsigned char> bytes) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool HasLineBreakAt(std::string_view text, size_t at) {
    return at + 2 <= text.size() && text[at] == '\r' && text[at + 1] == '\n';
}

}  // namespace

WordList WordList::FromWindows1252(std::span<const unsigned char> bytes) {
    WordList list;
    std::string_view text = AsText(bytes);
    // Padding at the end is cut off the view; zeros inside need a copy without them.
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    if (text.find('\0') != std::string_view::npos) {
        auto kept = std::make_shared<std::string>(text);
        std::erase(*kept, '\0');
        list.owned_ = kept;
        text = *kept;
    }
    list.text_ = text;

    // A line starts after each CR LF; the guess of one line per 64 bytes only saves regrowth.
    list.starts_.reserve(text.size() / 64 + 2);
    list.starts_.push_back(0);
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* lf =
        text.empty() ? nullptr : static_cast<const char*>(std::memchr(begin, '\n', text.size()));
    for (; lf != nullptr; lf = static_cast<const char*>(std::memchr(lf + 1, '\n', end - lf - 1))) {
        if (lf > begin && lf[-1] == '\r')
            list.starts_.push_back(static_cast<uint32_t>(lf - begin + 1));
    }
    list.starts_.push_back(static_cast<uint32_t>(text.size() + 2));
    list.count_ = static_cast<int>(list.starts_.size()) - 1;
    return list;
}

std::optional<WordList> WordList::FromLengthSlices(
    std::span<const unsigned char> bytes, std::span<const data::LengthSlice> lengthSlices) {
    if (lengthSlices.empty() || lengthSlices.size() > MaxSlices) return std::nullopt;
    WordList list;
    std::string_view text = AsText(bytes);
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);  // padding
    list.text_ = text;
    size_t offset = 0;
    int nextPosition = 1;
    for (const data::LengthSlice& lengthSlice : lengthSlices) {
        const long words = static_cast<long>(lengthSlice.last) - lengthSlice.first + 1;
        if (lengthSlice.first != nextPosition || words < 0 || lengthSlice.length < 1)
            return std::nullopt;
        nextPosition = lengthSlice.last + 1;
        if (words == 0) continue;
        const size_t width = static_cast<size_t>(lengthSlice.length);
        const size_t bytesTaken = static_cast<size_t>(words) * (width + 2);
        // The word before this length's first ends with CR LF, and so does this length's last
        // word unless it ends the list: a shifted layout fails one of the two.
        if (offset > 0 && !HasLineBreakAt(text, offset - 2)) return std::nullopt;
        if (offset + bytesTaken - 2 > text.size()) return std::nullopt;
        const std::string_view first = text.substr(offset, width);
        const std::string_view last = text.substr(offset + bytesTaken - width - 2, width);
        for (const std::string_view word : {first, last})
            if (word.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
        list.slices_[list.sliceCount_++] = Slice{lengthSlice.first - 1, lengthSlice.length, offset};
        offset += bytesTaken;
    }
    // Every byte belongs to a word or a separator: the last word ends the bytes exactly.
    if (list.sliceCount_ == 0 || offset - 2 != text.size()) return std::nullopt;
    list.count_ = nextPosition - 1;
    return list;
}

std::string_view WordList::at(int i) const {
    if (i < 0 || i >= count()) throw std::out_of_range("word list index");
    return (*this)[i];
}

}  // namespace quillex
