#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillex::cli {

/// A command's arguments, options apart from operands.
struct Arguments {
    std::vector<std::string_view> options;
    std::vector<std::string_view> operands;

    bool has(std::string_view option) const;
};

/// Whether an argument is an option (before any "--"): two characters or more, the first '-'.
inline bool IsOption(std::string_view arg) {
    return arg.size() >= 2 && arg.front() == '-';
}

/// A word, draw, pattern or clue given as an argument, read as the window reads it when typed:
/// decoded from UTF-8, its first line only, without the white space around it.
std::u16string OperandText(std::string_view arg);

/// Splits a command's arguments. An argument of two characters or more that starts with '-' is
/// an option, up to "--", after which every argument is an operand. An option that is not in
/// `known` is a usage error naming it.
Arguments SplitArguments(std::span<const std::string_view> args,
                         std::initializer_list<std::string_view> known = {});

}  // namespace quillex::cli
