#include "core/richtext/RtfTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/core/ExpectRows.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

// One short text per token: "{", "}", "\fs28", "\b", "sym ~", "x" (or "0xE9" beyond ASCII).
std::string Describe(const RtfToken& token) {
    switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            return "{";
        case RtfToken::Kind::GroupEnd:
            return "}";
        case RtfToken::Kind::ControlWord: {
            std::string text = "\\";
            text += token.word;
            if (token.parameter) text += std::to_string(*token.parameter);
            return text;
        }
        case RtfToken::Kind::ControlSymbol:
            return std::string("sym ") + static_cast<char>(token.byte);
        case RtfToken::Kind::Byte: {
            if (token.byte < 0x80) return std::string(1, static_cast<char>(token.byte));
            static constexpr char kHex[] = "0123456789ABCDEF";
            return std::string("0x") + kHex[token.byte >> 4] + kHex[token.byte & 15];
        }
        default:
            return "end";
    }
}

std::vector<std::string> Tokens(std::string_view text) {
    RtfTokenizer tokenizer(test::AsBytes(text));
    std::vector<std::string> tokens;
    for (auto token = tokenizer.next(); token.kind != RtfToken::Kind::End; token = tokenizer.next())
        tokens.push_back(Describe(token));
    return tokens;
}

TEST(rtf_tokenizer, cuts_each_construct_into_its_tokens) {
    test::ExpectRows(Tokens,
                     {
                         {"{a}", {"{", "a", "}"}},
                         {"\\fs28 x", {"\\fs28", "x"}},  // the space ends the word and is dropped
                         {"\\fs28  x", {"\\fs28", " ", "x"}},  // only one space is
                         {"\\par}", {"\\par", "}"}},           // any non-letter ends a word
                         {"\\b0\\i", {"\\b0", "\\i"}},
                         {"\\u-4064?", {"\\u-4064", "?"}},  // signed parameter
                         {"\\b-x", {"\\b", "-", "x"}},      // a lone '-' is text
                         {"\\'e9\\'C9", {"0xE9", "0xC9"}},  // hex digits in either case
                         {"\\{\\}\\\\", {"{", "}", "\\"}},  // escaped characters are text
                         {"\\~\\-\\_\\*", {"sym ~", "sym -", "sym _", "sym *"}},
                         {"a\r\nb", {"a", "b"}},              // source line ends mean nothing
                         {"a\\\r\nb", {"a", "sym \r", "b"}},  // an escaped line end is a paragraph
                         {"", {}},
                     });
}

TEST(rtf_tokenizer, cut_or_malformed_escapes_are_dropped_without_reading_past_the_end) {
    test::ExpectRows(Tokens, {
                                 {"a\\'4", {"a"}},
                                 {"a\\'", {"a"}},
                                 {"a\\", {"a"}},
                                 {"\\'zz", {"z", "z"}},
                                 {"\\'4x", {"x"}},
                                 {"\\fs", {"\\fs"}},
                                 {"\\fs-", {"\\fs", "-"}},
                             });
}

TEST(rtf_tokenizer, huge_parameters_saturate_at_the_int_range) {
    EXPECT_EQ(Tokens("\\fs99999999999999999999 a"),
              (std::vector<std::string>{"\\fs2147483647", "a"}));
    EXPECT_EQ(Tokens("\\u-999999999999?"), (std::vector<std::string>{"\\u-2147483647", "?"}));
}

TEST(rtf_tokenizer, skipped_bytes_stop_at_the_end_of_the_input) {
    RtfTokenizer tokenizer(test::AsBytes("\\bin3 {}\\x"));
    EXPECT_EQ(Describe(tokenizer.next()), "\\bin3");
    tokenizer.skipBytes(3);
    EXPECT_EQ(Describe(tokenizer.next()), "x");
    tokenizer.skipBytes(1000);
    EXPECT_EQ(tokenizer.next().kind, RtfToken::Kind::End);
}

}  // namespace
}  // namespace quillex
