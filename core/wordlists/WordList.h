#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/wordlists/DataTables.h"

namespace quillex {

/// An ordered, read-only list of lines read in place: each element is a view of Windows-1252
/// bytes, CR LF not included. Decode an element (DecodeWindows1252) only to show or print it.
class WordList {
  public:
    WordList() = default;

    /// The lines of `bytes`, split at every CR LF in one pass. The list views the bytes, which
    /// must outlive it; zero bytes are padding, never text: when the bytes hold some before
    /// their end, the list keeps its own copy without them.
    static WordList FromWindows1252(std::span<const unsigned char> bytes);

    /// Words grouped by length as the length slices give them (1-based positions, one length after
    /// the other from position 1), each followed by CR LF but the last, zero padding allowed after
    /// it: the word at a position is found by arithmetic, with no index. nullopt when the bytes
    /// are not laid out so (size, or a CR LF missing at the edge of a length's words).
    static std::optional<WordList> FromLengthSlices(
        std::span<const unsigned char> bytes, std::span<const data::LengthSlice> lengthSlices);

    int count() const { return count_; }
    std::string_view operator[](int i) const {
        if (!starts_.empty())
            return std::string_view(text_.data() + starts_[i], starts_[i + 1] - starts_[i] - 2);
        const Slice* slice = &slices_[0];
        while (slice + 1 < &slices_[sliceCount_] && slice[1].firstIndex <= i) ++slice;
        const size_t stride = static_cast<size_t>(slice->width) + 2;
        return std::string_view(text_.data() + slice->offset + (i - slice->firstIndex) * stride,
                                static_cast<size_t>(slice->width));
    }
    /// Element i, or an out_of_range failure when i is not an index of the list.
    std::string_view at(int i) const;
    /// The element at a 1-based position, as the length tables count.
    std::string_view atPosition(int position) const { return at(position - 1); }

    /// The bytes the elements are views of, separators included.
    std::string_view text() const { return text_; }

    /// Heap taken by the list: its line index and, for bytes that held zeros, their copy.
    size_t heapBytes() const {
        return starts_.capacity() * sizeof(uint32_t) + (owned_ ? owned_->capacity() : 0);
    }

  private:
    // One length's words in the fixed layout: element firstIndex starts at byte offset.
    struct Slice {
        int firstIndex;
        int width;
        size_t offset;
    };
    static constexpr size_t MaxSlices = 16;

    std::string_view text_;
    std::shared_ptr<const std::string> owned_;  // only when zero bytes were left out
    int count_ = 0;
    // Split lines: element i spans [starts_[i], starts_[i + 1] - 2), the last one as if a
    // CR LF followed it. Empty in the fixed layout, which uses slices_ instead.
    std::vector<uint32_t> starts_;
    std::array<Slice, MaxSlices> slices_{};
    int sliceCount_ = 0;
};

}  // namespace quillex
