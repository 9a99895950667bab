#pragma once

namespace quillex {

/// How a paragraph's lines are set between its margins.
enum class RichAlignment { Left, Centre, Right, Justified };

/// A paragraph's layout; lengths in twips (1/1440 inch), as RTF gives them.
struct RichParagraphFormat {
    int leftIndent = 0;       ///< \li
    int rightIndent = 0;      ///< \ri
    int firstLineIndent = 0;  ///< \fi, negative for a hanging first line
    int spaceBefore = 0;      ///< \sb
    int spaceAfter = 0;       ///< \sa
    RichAlignment alignment = RichAlignment::Left;

    bool operator==(const RichParagraphFormat&) const = default;
};

}  // namespace quillex
