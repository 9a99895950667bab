#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace quillex::cli {

/// Exit statuses of quillex-cli.
enum ExitStatus { Success = 0, Refused = 1, UsageError = 2, OutputFailed = 3, OutOfMemory = 4 };

/// A usage error: its message is printed on one line of stderr and the status is 2.
struct UsageFailure {
    std::string message;
};

/// One subcommand of quillex-cli.
struct Command {
    std::string_view name;
    std::string_view synopsis;  // arguments after the name, for --help
    std::string_view summary;   // one line for --help
    int (*run)(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
};

/// Every subcommand, in the order --help lists them.
std::span<const Command> Commands();

}  // namespace quillex::cli
