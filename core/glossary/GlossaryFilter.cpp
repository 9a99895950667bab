#include "glossary/GlossaryFilter.h"

#include <string>

#include "glossary/FoldAccents.h"

namespace quillex {

std::u16string_view GlossaryWord(std::u16string_view line) {
    return line.substr(0, line.find(u':'));
}

std::vector<std::u16string_view> FilterGlossary(const WordList& glossary,
                                                std::u16string_view prefix) {
    const std::u16string folded = FoldAccents(prefix);
    std::vector<std::u16string_view> lines;
    for (int i = 0; i < glossary.count(); ++i)
        if (FoldAccents(GlossaryWord(glossary[i])).starts_with(folded))
            lines.push_back(glossary[i]);
    return lines;
}

}  // namespace quillex
