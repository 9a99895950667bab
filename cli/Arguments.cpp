#include "cli/Arguments.h"

#include <algorithm>

#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "core/anagram/WordJudge.h"
#include "core/text/Text.h"

namespace quillex::cli {

Option Flag(std::string_view name, bool& set) {
    return {name, false, [&set](std::optional<std::string_view>) { set = true; }};
}

std::vector<std::string_view> ReadArguments(std::span<const std::string_view> args,
                                            const Syntax& syntax) {
    std::vector<std::string_view> operands;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            if (!operands.empty() && !syntax.secondOperand.empty())
                throw UsageFailure{std::string(syntax.secondOperand)};
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const auto option =
            std::find_if(syntax.options.begin(), syntax.options.end(), [&](const Option& o) {
                return o.name == arg.substr(0, equals) && (o.takesValue || equals == arg.npos);
            });
        if (option == syntax.options.end()) {
            std::string message = "option inconnue « " + EchoSafe(FromUtf8(arg)) + " »";
            if (!syntax.optionsHint.empty())
                message += " (options : " + std::string(syntax.optionsHint) + ")";
            throw UsageFailure{message};
        }
        std::optional<std::string_view> value;
        if (equals != arg.npos)
            value = arg.substr(equals + 1);
        else if (option->takesValue && i + 1 < args.size())
            value = args[++i];
        option->handle(value);
    }
    return operands;
}

std::u16string OperandText(std::string_view arg) {
    return std::u16string(Trimmed(FromUtf8(arg)));
}

std::vector<WordOperand> WordOperands(std::span<const std::string_view> args,
                                      std::string_view command) {
    const auto operands = ReadArguments(args);
    if (operands.empty()) throw UsageFailure{"MOT manquant : " + std::string(command) + " MOT…"};
    std::vector<WordOperand> words;
    for (const std::string_view operand : operands) {
        std::u16string typed = OperandText(operand);
        std::string word = JudgedWord(typed);
        words.push_back({std::move(typed), std::move(word)});
    }
    return words;
}

}  // namespace quillex::cli
