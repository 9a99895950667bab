#pragma once

#include <string>
#include <vector>

#include "core/richtext/RichParagraphFormat.h"
#include "core/richtext/RichRun.h"

namespace quillex {

/// One paragraph: its runs in reading order, neighbours always in different styles.
struct RichParagraph {
    std::vector<RichRun> runs;
    RichParagraphFormat format;

    /// The paragraph's text without its styles.
    std::u16string text() const {
        std::u16string all;
        for (const auto& run : runs) all += run.text;
        return all;
    }
    bool operator==(const RichParagraph&) const = default;
};

}  // namespace quillex
