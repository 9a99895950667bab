#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillex::cli {

/// An option of a command, handled as it is met, so that the first fault on the line is the one
/// reported. A flag's handler gets nullopt; an option that takes a value gets the next argument
/// ("--clue MOT") or what follows its '=' ("--clue=MOT"), nullopt when there is neither.
struct Option {
    std::string_view name;
    bool takesValue;
    std::function<void(std::optional<std::string_view> value)> handle;
};

/// A flag that sets `set` when it is given.
Option Flag(std::string_view name, bool& set);

/// What a command accepts besides its operands.
struct Syntax {
    std::initializer_list<Option> options;
    /// Listed after the name of an unknown option; empty: nothing is listed.
    std::string_view optionsHint;
    /// The usage error a second operand is, raised as it is met; empty: any number of operands.
    std::string_view secondOperand;
};

/// Whether an argument is an option (before any "--"): two characters or more, the first '-'.
inline bool IsOption(std::string_view arg) {
    return arg.size() >= 2 && arg.front() == '-';
}

/// Reads a command's arguments in order and returns its operands. An argument of two characters
/// or more that starts with '-' is an option, up to "--", after which every argument is an
/// operand. An option the syntax does not list is a usage error naming it.
std::vector<std::string_view> ReadArguments(std::span<const std::string_view> args,
                                            const Syntax& syntax = {});

/// A word, draw, pattern or clue given as an argument, read as the window reads it when typed:
/// decoded from UTF-8, its first line only, without the white space around it.
std::u16string OperandText(std::string_view arg);

/// A word given to check or hooks: as typed, and as the Scrabble list would write it (JudgedWord:
/// empty when it is not made of letters).
struct WordOperand {
    std::u16string typed;
    std::string word;
};

/// The words of a command that takes MOT…, which takes no option; none is a usage error.
std::vector<WordOperand> WordOperands(std::span<const std::string_view> args,
                                      std::string_view command);

}  // namespace quillex::cli
