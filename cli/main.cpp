// quillex-cli: the searches of Quillex for scripts. Output is UTF-8.
#include <iostream>
#include <string_view>
#include <vector>

#include "Command.h"
#include "errors/InternalFailure.h"
#include "text/Text.h"

namespace {

constexpr std::string_view kVersion = "1.00";

void PrintHelp(std::ostream& out) {
    out << "Usage: quillex-cli COMMAND [ARGUMENTS]\n"
           "       quillex-cli --help | --version\n\n"
           "French word-game searches over the dictionaries built into Quillex.\n\n"
           "Commands:\n";
    for (const auto& command : quillex::cli::Commands()) {
        size_t width = command.name.size();
        out << "  " << command.name;
        if (!command.synopsis.empty()) {
            out << ' ' << command.synopsis;
            width += 1 + command.synopsis.size();
        }
        out << std::string(width < 26 ? 26 - width : 1, ' ') << command.summary << '\n';
    }
    out << "\nExit status: 0 success, 1 refused or nothing found, 2 usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillex::cli;
    std::ios::sync_with_stdio(false);  // results can run to thousands of lines
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "quillex-cli: missing command (try --help)\n";
        return UsageError;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintHelp(std::cout);
        return Success;
    }
    if (args[0] == "--version") {
        std::cout << "quillex-cli " << kVersion << '\n';
        return Success;
    }
    for (const auto& command : Commands()) {
        if (command.name != args[0]) continue;
        try {
            return command.run(std::span(args).subspan(1), std::cout, std::cerr);
        } catch (const UsageFailure& failure) {
            std::cerr << "quillex-cli " << command.name << ": " << failure.message << '\n';
            return UsageError;
        } catch (const quillex::InternalFailure& failure) {
            std::cerr << "quillex-cli: " << quillex::ToUtf8(failure.description()) << " ("
                      << failure.code() << ")\n";
            return Refused;
        }
    }
    std::cerr << "quillex-cli: unknown command '" << args[0] << "' (try --help)\n";
    return UsageError;
}
