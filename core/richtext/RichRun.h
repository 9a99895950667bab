#pragma once

#include <string>

namespace quillex {

/// A stretch of text in one character style.
struct RichRun {
    std::u16string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  ///< font size in half-points, as RTF's \fs counts it

    /// True when both runs would be drawn in the same style.
    bool sameStyle(const RichRun& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               halfPoints == other.halfPoints;
    }
    bool operator==(const RichRun&) const = default;
};

}  // namespace quillex
