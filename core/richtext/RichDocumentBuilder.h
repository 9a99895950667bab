#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "richtext/RichDocument.h"
#include "richtext/RtfToken.h"

namespace quillex {

/// Turns RTF tokens into styled paragraphs, keeping the character style of each group.
class RichDocumentBuilder {
  public:
    /// Groups nested deeper than this are read past and their content dropped.
    static constexpr std::size_t MaxGroupDepth = 256;

    /// Takes the next token; returns how many raw data bytes follow it (\binN) to pass over.
    std::size_t take(const RtfToken& token);
    /// The document read so far, with its unfinished last paragraph.
    RichDocument finish();

  private:
    struct GroupState {
        RichRun style;         // text unused: the style new text takes
        int unicodeSkip = 1;   // \ucN: fallback characters after each \uN
        bool skipped = false;  // inside a destination whose text is not shown
    };

    GroupState& state() { return groups_.back(); }
    bool ignoring() const { return overflowDepth_ > 0 || groups_.back().skipped; }
    void openGroup();
    void closeGroup();
    std::size_t controlWord(std::string_view word, std::optional<int> parameter);
    void controlSymbol(unsigned char symbol);
    bool setStyle(std::string_view word, std::optional<int> parameter);
    void unicodeCharacter(int value);
    void append(char16_t c);
    void endParagraph();

    std::vector<GroupState> groups_{GroupState{}};
    std::size_t overflowDepth_ = 0;
    int fallbackLeft_ = 0;
    RichDocument document_;
    RichParagraph paragraph_;
};

}  // namespace quillex
