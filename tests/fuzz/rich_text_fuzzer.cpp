// Any bytes given to the rich-text reader: it returns what it could read, never crashes, and
// never gives a paragraph longer than a text view can lay out quickly.
#include <cstddef>
#include <cstdint>

#include "core/richtext/RichDocumentBuilder.h"
#include "core/richtext/RichTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const quillex::RichDocument document = quillex::ParseRichText({data, size});
    size_t characters = 0;
    for (const auto& paragraph : document.paragraphs) {
        size_t inParagraph = 0;
        for (const auto& run : paragraph.runs) inParagraph += run.text.size();
        if (inParagraph > quillex::RichDocumentBuilder::MaxParagraphCharacters) __builtin_trap();
        characters += inParagraph;
    }
    // Every character read comes from at least one input byte.
    if (characters > size) __builtin_trap();
    return 0;
}
