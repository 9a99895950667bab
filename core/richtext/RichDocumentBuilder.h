#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/richtext/RichDocument.h"
#include "core/richtext/RtfToken.h"

namespace quillex {

/// Turns RTF tokens into styled paragraphs, keeping the character and paragraph formats of each
/// group, the colour table, the faces of the font table, and hyperlink fields. Sizes, spacing and
/// indents are clamped to what a licence plausibly uses, so that no value makes its layout huge.
class RichDocumentBuilder {
  public:
    /// Groups nested deeper than this are read past and their content dropped.
    static constexpr std::size_t MaxGroupDepth = 256;
    /// A paragraph longer than this goes on in a new paragraph, at a space within the last
    /// ParagraphBreakRoom characters when there is one: a text view lays out a paragraph in a
    /// time that grows faster than its length, so no paragraph may be huge.
    static constexpr std::size_t MaxParagraphCharacters = 2000;
    static constexpr std::size_t ParagraphBreakRoom = 200;
    /// Likewise for the number of style changes in one paragraph.
    static constexpr std::size_t MaxParagraphRuns = 256;
    /// Font sizes, in half-points: 1 to 72 points.
    static constexpr int MinHalfPoints = 2;
    static constexpr int MaxHalfPoints = 144;
    /// Space before and after a paragraph, in twips: an inch at most.
    static constexpr int MaxSpacingTwips = 1440;
    /// Left, right and first-line indents together, in twips: half the width the text is set at
    /// (RichTextWidthTwips), so that a line always has room for text.
    static constexpr int MaxIndentTwips = 2625;

    /// Takes the next token; returns how many raw data bytes follow it (\binN) to pass over.
    std::size_t take(const RtfToken& token);
    /// The document read so far, with its unfinished last paragraph.
    RichDocument finish();

  private:
    /// What the text of a group is: shown, or a table the reader keeps, or nothing.
    enum class Destination { Text, Skipped, FontTable, ColourTable, FieldInstruction };

    /// How a font of the table is drawn.
    struct FontKind {
        bool symbol = false;  // Symbol encoding: its bullet is the list bullet
        RichFace face = RichFace::Default;
    };

    struct GroupState {
        RichRun style;  // text unused: the style new text takes
        RichParagraphFormat paragraph;
        int font = 0;
        bool symbolFont = false;           // decided when the font is selected
        std::size_t fontTableVersion = 0;  // of the table symbolFont and style.face come from
        int unicodeSkip = 1;               // \ucN: fallback characters after each \uN
        Destination destination = Destination::Text;
        bool starred =
            false;  // after \*: the next word names a destination or the group is skipped
    };

    struct FontEntry {
        int number = 0;
        bool numbered = false;  // \fN seen: an entry to keep
        bool symbolCharset = false;
        bool fixedPitch = false;  // \fmodern
        std::string name;
    };

    GroupState& state() { return groups_.back(); }
    bool ignoring() const {
        return overflowDepth_ > 0 || groups_.back().destination == Destination::Skipped;
    }
    void openGroup();
    void closeGroup();
    std::size_t controlWord(std::string_view word, std::optional<int> parameter);
    void controlSymbol(unsigned char symbol);
    bool setStyle(std::string_view word, std::optional<int> parameter);
    bool setParagraphFormat(std::string_view word, std::optional<int> parameter);
    bool tableWord(std::string_view word, std::optional<int> parameter);
    void tableByte(unsigned char byte);
    void finishFontEntry();
    void selectFont(GroupState& group, int number);
    void textByte(unsigned char byte);
    void unicodeCharacter(int value);
    void append(char16_t c);
    void endParagraph(bool split = false);
    void endParagraph(RichParagraphFormat format, bool split);

    std::vector<GroupState> groups_{GroupState{}};
    std::size_t overflowDepth_ = 0;
    int fallbackLeft_ = 0;
    int defaultFont_ = 0;
    std::unordered_map<int, FontKind> fonts_;
    std::size_t fontTableVersion_ = 0;  // entries read so far
    FontEntry fontEntry_;
    std::vector<std::optional<RgbColour>> colours_;
    std::optional<RgbColour> colourEntry_;
    std::string fieldInstruction_;
    RichDocument document_;
    RichParagraph paragraph_;
    std::size_t paragraphLength_ = 0;
    RichParagraphFormat lastTextFormat_;  // in effect at the last character: the closing brace
                                          // of a document must not take the format of its end
    bool continuing_ = false;             // the paragraph being read goes on from a split one
    bool styleChanged_ = true;  // the style may differ from the last run's: compare them once
};

}  // namespace quillex
