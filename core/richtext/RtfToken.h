#pragma once

#include <optional>
#include <string_view>

namespace quillex {

/// One lexical element of an RTF stream.
struct RtfToken {
    enum class Kind {
        End,            ///< no more input
        GroupStart,     ///< '{'
        GroupEnd,       ///< '}'
        ControlWord,    ///< '\' letters, optional signed number
        ControlSymbol,  ///< '\' and one other character, in `byte`
        Byte,           ///< a text byte: plain, or from \'hh, \\, \{ or \}
    };
    Kind kind = Kind::End;
    std::string_view word;         ///< the control word's letters
    std::optional<int> parameter;  ///< the control word's number, clamped to the range of int
    unsigned char byte = 0;        ///< the text byte or the control symbol's character
};

}  // namespace quillex
