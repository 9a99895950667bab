// Any bytes given to the rich-text reader: it returns what it could read, never crashes.
#include <cstddef>
#include <cstdint>

#include "richtext/RichTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const quillex::RichDocument document = quillex::ParseRichText({data, size});
    size_t characters = 0;
    for (const auto& paragraph : document.paragraphs)
        for (const auto& run : paragraph.runs) characters += run.text.size();
    // Every character read comes from at least one input byte.
    if (characters > size) __builtin_trap();
    return 0;
}
