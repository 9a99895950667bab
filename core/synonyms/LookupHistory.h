#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// Every text looked up during the run, each once, kept sorted for the drop-down list.
class LookupHistory {
  public:
    /// Adds a text not yet held (an empty text is not kept); returns whether it was added.
    bool add(std::u16string_view text);

    /// The texts, sorted by Windows-1252 code, position by position (a prefix of a text comes
    /// before it; characters that code page lacks come after all of its own).
    const std::vector<std::u16string>& texts() const { return texts_; }
    /// The number of texts held.
    int count() const { return static_cast<int>(texts_.size()); }

  private:
    std::vector<std::u16string> texts_;
};

}  // namespace quillex
