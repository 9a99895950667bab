#include "richtext/RichDocumentBuilder.h"

#include <algorithm>
#include <array>
#include <utility>

#include "text/Text.h"

namespace quillex {
namespace {

constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer

// Destinations whose text is not part of the document body.
constexpr std::array<std::string_view, 30> kSkippedDestinations = {
    "fonttbl",   "colortbl", "stylesheet", "info",         "pict",      "object",
    "header",    "headerl",  "headerr",    "headerf",      "footer",    "footerl",
    "footerr",   "footerf",  "footnote",   "fldinst",      "listtable", "listoverridetable",
    "rsidtbl",   "revtbl",   "filetbl",    "latentstyles", "themedata", "colorschememapping",
    "datastore", "xmlnstbl", "annotation", "atnid",        "atnauthor", "nonshppict",
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

template <typename Table>
bool Contains(const Table& table, std::string_view word) {
    return std::find(table.begin(), table.end(), word) != table.end();
}

bool IsOn(std::optional<int> parameter) {
    return parameter.value_or(1) != 0;
}

std::size_t BinaryLength(std::optional<int> parameter) {
    return static_cast<std::size_t>(std::max(0, parameter.value_or(0)));
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
    switch (token.kind) {
        case Kind::ControlWord:
            return controlWord(token.word, token.parameter);
        case Kind::ControlSymbol:
            controlSymbol(token.byte);
            return 0;
        case Kind::Byte:
            append(DecodeWindows1252(std::span(&token.byte, 1))[0]);
            return 0;
        default:
            return 0;
    }
}

RichDocument RichDocumentBuilder::finish() {
    if (!paragraph_.runs.empty()) endParagraph();
    return std::move(document_);
}

void RichDocumentBuilder::openGroup() {
    if (overflowDepth_ > 0 || groups_.size() > MaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    groups_.push_back(groups_.back());
}

void RichDocumentBuilder::closeGroup() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
    } else if (groups_.size() > 1) {
        groups_.pop_back();
    }  // a '}' closing no group is ignored
}

std::size_t RichDocumentBuilder::controlWord(std::string_view word, std::optional<int> parameter) {
    if (Contains(kSkippedDestinations, word)) {
        state().skipped = true;
    } else if (Contains(kParagraphEnds, word)) {
        endParagraph();
    } else if (word == "u") {
        if (parameter) unicodeCharacter(*parameter);
    } else if (word == "uc") {
        state().unicodeSkip = std::max(0, parameter.value_or(1));
    } else if (word == "bin") {
        return BinaryLength(parameter);
    } else if (!setStyle(word, parameter)) {
        for (const auto& symbol : kSymbolWords)
            if (symbol.word == word) append(symbol.character);
    }
    return 0;
}

void RichDocumentBuilder::controlSymbol(unsigned char symbol) {
    switch (symbol) {
        case '~':
            return append(u'\u00A0');
        case '-':
            return append(u'\u00AD');  // optional hyphen: shown only where a line breaks
        case '_':
            return append(u'\u2011');
        case '*':
            state().skipped = true;  // a destination this reader does not know
            return;
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
    } else if (word == "fs") {
        style.halfPoints =
            std::clamp(parameter.value_or(kDefaultHalfPoints), kMinHalfPoints, kMaxHalfPoints);
    } else if (word == "plain") {
        style = RichRun{};
    } else {
        return false;
    }
    return true;
}

void RichDocumentBuilder::unicodeCharacter(int value) {
    // RTF writes code units above 32767 as negative numbers.
    const long unit = value < 0 ? value + 65536L : value;
    if (unit > 0 && unit <= 0xFFFF) {
        append(static_cast<char16_t>(unit));
    } else if (unit != 0) {
        append(u'\uFFFD');
    }
    fallbackLeft_ = state().unicodeSkip;
}

void RichDocumentBuilder::append(char16_t c) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) return;  // control characters are not text
    const RichRun& style = state().style;
    if (paragraph_.runs.empty() || !paragraph_.runs.back().sameStyle(style))
        paragraph_.runs.push_back(
            RichRun{{}, style.bold, style.italic, style.underline, style.halfPoints});
    paragraph_.runs.back().text += c;
}

void RichDocumentBuilder::endParagraph() {
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = RichParagraph{};
}

}  // namespace quillex
