#include "core/glossary/GlossaryFilter.h"

#include <array>
#include <string>

#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

// FoldAccents of each Windows-1252 byte on its own: folding works character by character, so a
// word's fold is the run of its bytes' folds, read without building it.
const std::array<std::u16string, 256>& ByteFolds() {
    static const std::array<std::u16string, 256> folds = [] {
        std::array<std::u16string, 256> table;
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t c = Windows1252Char(static_cast<unsigned char>(byte));
            table[byte] = FoldAccents(std::u16string_view(&c, 1));
        }
        return table;
    }();
    return folds;
}

bool FoldedStartsWith(std::string_view word, std::u16string_view folded) {
    const auto& folds = ByteFolds();
    size_t matched = 0;
    for (const char byte : word) {
        for (const char16_t c : folds[static_cast<unsigned char>(byte)]) {
            if (matched == folded.size()) return true;
            if (c != folded[matched]) return false;
            ++matched;
        }
    }
    return matched == folded.size();
}

}  // namespace

std::string_view GlossaryWord(std::string_view line) {
    return line.substr(0, line.find(':'));
}

std::vector<std::string_view> FilterGlossary(const WordList& glossary, std::u16string_view prefix) {
    const std::u16string folded = FoldAccents(prefix);
    std::vector<std::string_view> lines;
    for (int i = 0; i < glossary.count(); ++i)
        if (FoldedStartsWith(GlossaryWord(glossary[i]), folded)) lines.push_back(glossary[i]);
    return lines;
}

}  // namespace quillex
