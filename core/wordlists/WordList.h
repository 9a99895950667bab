#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// An ordered, read-only list of UTF-16 lines held in one block of text.
class WordList {
  public:
    WordList() = default;

    /// Decodes Windows-1252 bytes and splits them at every CR LF; zero bytes are dropped.
    static WordList FromWindows1252(std::span<const unsigned char> bytes);

    int count() const { return static_cast<int>(starts_.size()) - 1; }
    std::u16string_view operator[](int i) const {
        return std::u16string_view(text_).substr(starts_[i], starts_[i + 1] - starts_[i] - 2);
    }
    /// Element i, or an out_of_range failure when i is not an index of the list.
    std::u16string_view at(int i) const;
    /// The element at a 1-based position, as the length tables count.
    std::u16string_view atPosition(int position) const { return at(position - 1); }

    size_t heapBytes() const {
        return text_.capacity() * sizeof(char16_t) + starts_.capacity() * sizeof(uint32_t);
    }

  private:
    // Each element is followed by CR LF in text_, the last one by an added CR LF, so that
    // element i spans [starts_[i], starts_[i + 1] - 2).
    std::u16string text_;
    std::vector<uint32_t> starts_{0};
};

}  // namespace quillex
