// Any bytes given to the rich-text reader: it returns what it could read, never crashes, and
// never gives a paragraph longer, or a size, spacing or indent larger, than a text view can lay
// out quickly. The run's -timeout fails an input read slowly.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/richtext/RichDocumentBuilder.h"
#include "core/richtext/RichTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using Builder = quillex::RichDocumentBuilder;
    const quillex::RichDocument document = quillex::ParseRichText({data, size});
    size_t characters = 0;
    for (const auto& paragraph : document.paragraphs) {
        const auto& format = paragraph.format;
        if (format.spaceBefore > Builder::MaxSpacingTwips ||
            format.spaceAfter > Builder::MaxSpacingTwips ||
            format.firstLineIndent < -format.leftIndent ||
            format.leftIndent + format.rightIndent + std::max(0, format.firstLineIndent) >
                Builder::MaxIndentTwips)
            __builtin_trap();
        size_t inParagraph = 0;
        for (const auto& run : paragraph.runs) {
            if (run.halfPoints < Builder::MinHalfPoints || run.halfPoints > Builder::MaxHalfPoints)
                __builtin_trap();
            inParagraph += run.text.size();
        }
        if (inParagraph > Builder::MaxParagraphCharacters) __builtin_trap();
        characters += inParagraph;
    }
    // Every character read comes from at least one input byte.
    if (characters > size) __builtin_trap();
    return 0;
}
