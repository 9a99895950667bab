#include "core/richtext/RichDocumentBuilder.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/richtext/WebAddresses.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

constexpr int kDefaultHalfPoints = 24;
constexpr std::size_t kMaxFieldInstruction = 2048;
constexpr std::size_t kMaxFontName = 64;

// Destinations whose text is not part of the document body.
constexpr std::array<std::string_view, 27> kSkippedDestinations = {
    "stylesheet",   "info",      "pict",
    "object",       "header",    "headerl",
    "headerr",      "headerf",   "footer",
    "footerl",      "footerr",   "footerf",
    "footnote",     "listtable", "listoverridetable",
    "rsidtbl",      "revtbl",    "filetbl",
    "latentstyles", "themedata", "colorschememapping",
    "datastore",    "xmlnstbl",  "annotation",
    "atnid",        "atnauthor", "nonshppict",
};

// Underline kinds; each is drawn here as a plain underline. (\ulc, a colour, is not one.)
constexpr std::array<std::string_view, 17> kUnderlines = {
    "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
    "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
    "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",
};

constexpr std::array<std::string_view, 4> kParagraphEnds = {"par", "row", "sect", "page"};

struct SymbolWord {
    std::string_view word;
    char16_t character;
};
constexpr std::array<SymbolWord, 13> kSymbolWords = {{
    {"tab", u'\t'},
    {"cell", u'\t'},
    {"line", u'\u2028'},  // a line break inside the paragraph
    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},
    {"bullet", u'\u2022'},
    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
}};

constexpr char16_t kBullet = u'\u2022';
// Where Word writes a Symbol-font character as Unicode, it uses the private area at U+F000.
constexpr char16_t kSymbolFontBullet = u'\uF0B7';

template <typename Table, typename Value>
bool Contains(const Table& table, const Value& value) {
    return std::find(table.begin(), table.end(), value) != table.end();
}

bool IsOn(std::optional<int> parameter) {
    return parameter.value_or(1) != 0;
}

std::size_t BinaryLength(std::optional<int> parameter) {
    return static_cast<std::size_t>(std::max(0, parameter.value_or(0)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The shipped face a font of the table is drawn in.
RichFace FaceOf(std::string_view name, bool fixedPitch) {
    constexpr std::array<std::string_view, 2> kCalibri = {"Calibri", "Carlito"};
    constexpr std::array<std::string_view, 5> kMonospace = {"Courier New", "Courier", "Consolas",
                                                            "Lucida Console", "Liberation Mono"};
    name = Trimmed(name);
    const auto named = [name](std::string_view face) { return EqualsIgnoringCase(name, face); };
    if (std::any_of(kCalibri.begin(), kCalibri.end(), named)) return RichFace::Calibri;
    if (fixedPitch || std::any_of(kMonospace.begin(), kMonospace.end(), named))
        return RichFace::Monospace;
    return RichFace::Default;
}

// The web address a HYPERLINK field opens: its first argument that is not a switch, when that
// is a web address. Local bookmarks (\l) and other targets give nothing.
std::u16string HyperlinkTarget(std::string_view instruction) {
    instruction = Trimmed(instruction);
    constexpr std::string_view kHyperlink = "HYPERLINK";
    if (!EqualsIgnoringCase(instruction.substr(0, kHyperlink.size()), kHyperlink)) return {};
    instruction.remove_prefix(kHyperlink.size());
    while (!(instruction = Trimmed(instruction)).empty()) {
        std::string_view argument;
        if (instruction.front() == '"') {
            const auto close = instruction.find('"', 1);
            argument = instruction.substr(1, close == std::string_view::npos ? close : close - 1);
            instruction.remove_prefix(std::min(instruction.size(), argument.size() + 2));
        } else {
            argument = instruction.substr(0, instruction.find(' '));
            instruction.remove_prefix(argument.size());
        }
        if (argument.starts_with('\\')) {
            if (argument == "\\l") return {};  // a place in the document itself
            continue;
        }
        const std::u16string address = DecodeWindows1252(argument);
        if (address.starts_with(u"https://") || address.starts_with(u"http://")) return address;
        if (address.starts_with(u"www.")) return u"https://" + address;
        return {};
    }
    return {};
}

}  // namespace

std::size_t RichDocumentBuilder::take(const RtfToken& token) {
    using Kind = RtfToken::Kind;
    if (token.kind == Kind::GroupStart || token.kind == Kind::GroupEnd) {
        fallbackLeft_ = 0;  // a fallback never runs past a brace
        token.kind == Kind::GroupStart ? openGroup() : closeGroup();
        return 0;
    }
    const bool binary = token.kind == Kind::ControlWord && token.word == "bin";
    if (fallbackLeft_ > 0 || ignoring()) {
        fallbackLeft_ = std::max(0, fallbackLeft_ - 1);
        return binary ? BinaryLength(token.parameter) : 0;
    }
    if (state().starred) {
        // \* marks a destination a reader may not know: only the field instruction is read.
        state().starred = false;
        if (token.kind != Kind::ControlWord || token.word != "fldinst") {
            state().destination = Destination::Skipped;
            return binary ? BinaryLength(token.parameter) : 0;
        }
    }
    switch (token.kind) {
        case Kind::ControlWord:
            return controlWord(token.word, token.parameter);
        case Kind::ControlSymbol:
            controlSymbol(token.byte);
            return 0;
        case Kind::Byte:
            state().destination == Destination::Text ? textByte(token.byte) : tableByte(token.byte);
            return 0;
        default:
            return 0;
    }
}

RichDocument RichDocumentBuilder::finish() {
    if (!paragraph_.runs.empty()) endParagraph(lastTextFormat_, false);
    return std::move(document_);
}

void RichDocumentBuilder::openGroup() {
    if (overflowDepth_ > 0 || groups_.size() > MaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    groups_.push_back(groups_.back());
    state().starred = false;
}

void RichDocumentBuilder::closeGroup() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
    } else if (groups_.size() > 1) {
        if (state().destination == Destination::FontTable) finishFontEntry();
        groups_.pop_back();
        styleChanged_ = true;
    }  // a '}' closing no group is ignored
}

std::size_t RichDocumentBuilder::controlWord(std::string_view word, std::optional<int> parameter) {
    Destination& destination = state().destination;
    if (word == "fonttbl") {
        destination = Destination::FontTable;
    } else if (word == "colortbl") {
        destination = Destination::ColourTable;
    } else if (word == "fldinst") {
        destination = Destination::FieldInstruction;
        fieldInstruction_.clear();
    } else if (word == "fldrslt") {
        destination = Destination::Text;
        state().style.link = HyperlinkTarget(fieldInstruction_);
        styleChanged_ = true;
    } else if (Contains(kSkippedDestinations, word)) {
        destination = Destination::Skipped;
    } else if (word == "bin") {
        return BinaryLength(parameter);
    } else if (destination != Destination::Text) {
        tableWord(word, parameter);
    } else if (Contains(kParagraphEnds, word)) {
        endParagraph();
    } else if (word == "u") {
        if (parameter) unicodeCharacter(*parameter);
    } else if (word == "uc") {
        state().unicodeSkip = std::max(0, parameter.value_or(1));
    } else if (word == "f") {
        selectFont(state(), parameter.value_or(defaultFont_));
    } else if (word == "deff") {
        defaultFont_ = parameter.value_or(0);
        selectFont(state(), defaultFont_);
    } else if (!setStyle(word, parameter) && !setParagraphFormat(word, parameter)) {
        for (const auto& symbol : kSymbolWords)
            if (symbol.word == word) append(symbol.character);
    }
    return 0;
}

void RichDocumentBuilder::controlSymbol(unsigned char symbol) {
    if (symbol == '*') {
        state().starred = true;
        return;
    }
    if (state().destination != Destination::Text) return;
    switch (symbol) {
        case '~':
            return append(u'\u00A0');
        case '-':
            return append(u'\u00AD');  // optional hyphen: shown only where a line breaks
        case '_':
            return append(u'\u2011');
        case '\r':
        case '\n':
            return endParagraph();
        default:
            return;
    }
}

bool RichDocumentBuilder::setStyle(std::string_view word, std::optional<int> parameter) {
    RichRun& style = state().style;
    if (word == "b") {
        style.bold = IsOn(parameter);
    } else if (word == "i") {
        style.italic = IsOn(parameter);
    } else if (Contains(kUnderlines, word)) {
        style.underline = IsOn(parameter);
    } else if (word == "ulnone") {
        style.underline = false;
    } else if (word == "strike" || word == "striked") {
        style.strike = IsOn(parameter);
    } else if (word == "fs") {
        style.halfPoints =
            std::clamp(parameter.value_or(kDefaultHalfPoints), MinHalfPoints, MaxHalfPoints);
    } else if (word == "cf") {
        const int index = parameter.value_or(0);
        style.colour = index >= 0 && static_cast<std::size_t>(index) < colours_.size()
                           ? colours_[static_cast<std::size_t>(index)]
                           : std::nullopt;
    } else if (word == "plain") {
        std::u16string link = std::move(style.link);  // a field's link outlives \plain
        style = RichRun{};
        style.link = std::move(link);
        selectFont(state(), defaultFont_);
    } else {
        return false;
    }
    styleChanged_ = true;
    return true;
}

bool RichDocumentBuilder::setParagraphFormat(std::string_view word, std::optional<int> parameter) {
    RichParagraphFormat& format = state().paragraph;
    const int twips = parameter.value_or(0);
    const int indent = std::clamp(twips, 0, MaxIndentTwips);
    const int spacing = std::clamp(twips, 0, MaxSpacingTwips);
    if (word == "pard") {
        format = RichParagraphFormat{};
    } else if (word == "li") {
        format.leftIndent = indent;
    } else if (word == "ri") {
        format.rightIndent = indent;
    } else if (word == "fi") {
        format.firstLineIndent = std::clamp(twips, -MaxIndentTwips, MaxIndentTwips);
    } else if (word == "sb") {
        format.spaceBefore = spacing;
    } else if (word == "sa") {
        format.spaceAfter = spacing;
    } else if (word == "ql") {
        format.alignment = RichAlignment::Left;
    } else if (word == "qc") {
        format.alignment = RichAlignment::Centre;
    } else if (word == "qr") {
        format.alignment = RichAlignment::Right;
    } else if (word == "qj" || word == "qd") {
        format.alignment = RichAlignment::Justified;
    } else {
        return false;
    }
    return true;
}

bool RichDocumentBuilder::tableWord(std::string_view word, std::optional<int> parameter) {
    const int value = parameter.value_or(0);
    switch (state().destination) {
        case Destination::FontTable:
            if (word == "f") {
                fontEntry_.number = value;
                fontEntry_.numbered = true;
            }
            if (word == "fcharset") fontEntry_.symbolCharset = value == 2;
            if (word == "fmodern") fontEntry_.fixedPitch = true;
            return true;
        case Destination::ColourTable: {
            const auto component = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
            RgbColour colour = colourEntry_.value_or(RgbColour{});
            if (word == "red")
                colour.red = component;
            else if (word == "green")
                colour.green = component;
            else if (word == "blue")
                colour.blue = component;
            else
                return false;
            colourEntry_ = colour;
            return true;
        }
        default:
            return false;
    }
}

void RichDocumentBuilder::tableByte(unsigned char byte) {
    switch (state().destination) {
        case Destination::FontTable:
            if (byte == ';')
                finishFontEntry();
            else if (fontEntry_.name.size() < kMaxFontName)
                fontEntry_.name += static_cast<char>(byte);
            return;
        case Destination::ColourTable:
            if (byte == ';') {
                colours_.push_back(colourEntry_);  // an entry with no component: the default
                colourEntry_.reset();
            }
            return;
        case Destination::FieldInstruction:
            if (fieldInstruction_.size() < kMaxFieldInstruction)
                fieldInstruction_ += static_cast<char>(byte);
            return;
        default:
            return;
    }
}

void RichDocumentBuilder::finishFontEntry() {
    // A brace closes an entry ended by its semicolon already, and the table itself.
    if (fontEntry_.numbered)
        fonts_[fontEntry_.number] = {
            fontEntry_.symbolCharset || EqualsIgnoringCase(Trimmed(fontEntry_.name), "Symbol"),
            FaceOf(fontEntry_.name, fontEntry_.fixedPitch)};
    fontEntry_ = FontEntry{};
    ++fontTableVersion_;
}

void RichDocumentBuilder::selectFont(GroupState& group, int number) {
    const auto found = fonts_.find(number);
    const FontKind kind = found == fonts_.end() ? FontKind{} : found->second;
    group.font = number;
    group.symbolFont = kind.symbol;
    group.style.face = kind.face;
    group.fontTableVersion = fontTableVersion_;
    styleChanged_ = true;
}

void RichDocumentBuilder::textByte(unsigned char byte) {
    if (state().fontTableVersion != fontTableVersion_) selectFont(state(), state().font);
    // The one Symbol-font character documents use as text is the list bullet; the others would
    // need that font to be drawn right.
    append(state().symbolFont && byte == 0xB7 ? kBullet : Windows1252Char(byte));
}

void RichDocumentBuilder::unicodeCharacter(int value) {
    // RTF writes code units above 32767 as negative numbers.
    const long unit = value < 0 ? value + 65536L : value;
    if (unit == kSymbolFontBullet) {
        append(kBullet);
    } else if (unit > 0 && unit <= 0xFFFF) {
        append(static_cast<char16_t>(unit));
    } else if (unit != 0) {
        append(u'\uFFFD');
    }
    fallbackLeft_ = state().unicodeSkip;
}

void RichDocumentBuilder::append(char16_t c) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) return;  // control characters are not text
    // A font selected before the table named it (\deff comes first) takes its kind now.
    if (state().fontTableVersion != fontTableVersion_) selectFont(state(), state().font);
    const RichRun& style = state().style;
    // Styles are compared only after one may have changed: a run's link can be long.
    if (paragraph_.runs.empty() || (styleChanged_ && !paragraph_.runs.back().sameStyle(style))) {
        if (paragraph_.runs.size() >= MaxParagraphRuns) endParagraph(true);
        RichRun run = style;
        run.text.clear();
        paragraph_.runs.push_back(std::move(run));
    }
    styleChanged_ = false;
    paragraph_.runs.back().text += c;
    lastTextFormat_ = state().paragraph;
    ++paragraphLength_;
    if (paragraphLength_ >= MaxParagraphCharacters ||
        (c == u' ' && paragraphLength_ >= MaxParagraphCharacters - ParagraphBreakRoom))
        endParagraph(true);
}

void RichDocumentBuilder::endParagraph(bool split) {
    endParagraph(state().paragraph, split);
}

void RichDocumentBuilder::endParagraph(RichParagraphFormat format, bool split) {
    // The indents together leave the line half its width at least.
    format.rightIndent = std::min(format.rightIndent, MaxIndentTwips - format.leftIndent);
    format.firstLineIndent = std::clamp(format.firstLineIndent, -format.leftIndent,
                                        MaxIndentTwips - format.leftIndent - format.rightIndent);
    paragraph_.format = format;
    if (continuing_) {  // the paragraph's first line and space before are the first part's
        paragraph_.format.firstLineIndent = 0;
        paragraph_.format.spaceBefore = 0;
    }
    if (split) paragraph_.format.spaceAfter = 0;
    paragraph_.runs = LinkWebAddresses(std::move(paragraph_.runs));
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = RichParagraph{};
    paragraphLength_ = 0;
    continuing_ = split;
}

}  // namespace quillex
