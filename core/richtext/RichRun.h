#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillex {

/// A text colour, each component 0 to 255.
struct RgbColour {
    std::uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const RgbColour&) const = default;
};

/// The faces a document's fonts are drawn in: those a licence uses, mapped to faces the program
/// ships (Calibri to Carlito, Courier New and other fixed-pitch fonts to Liberation Mono).
enum class RichFace { Default, Calibri, Monospace };

/// A stretch of text in one character style.
struct RichRun {
    std::u16string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  ///< font size in half-points, as RTF's \fs counts it
    bool strike = false;
    std::optional<RgbColour> colour;  ///< none: the view's own text colour
    RichFace face = RichFace::Default;
    std::u16string link;  ///< the web address a click opens; empty for plain text

    /// True when both runs would be drawn in the same style.
    bool sameStyle(const RichRun& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               halfPoints == other.halfPoints && strike == other.strike && colour == other.colour &&
               face == other.face && link == other.link;
    }
    bool operator==(const RichRun&) const = default;
};

}  // namespace quillex
