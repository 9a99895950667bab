#pragma once

#include <vector>

#include "core/richtext/RichParagraph.h"

namespace quillex {

/// A rich-text document as styled paragraphs; an empty paragraph stands for a blank line.
struct RichDocument {
    std::vector<RichParagraph> paragraphs;

    bool operator==(const RichDocument&) const = default;
};

}  // namespace quillex
