#include "Arguments.h"

#include <algorithm>

#include "Command.h"
#include "EchoSafe.h"
#include "core/text/Text.h"

namespace quillex::cli {

bool Arguments::has(std::string_view option) const {
    return std::find(options.begin(), options.end(), option) != options.end();
}

std::u16string OperandText(std::string_view arg) {
    return std::u16string(Trimmed(FromUtf8(arg)));
}

Arguments SplitArguments(std::span<const std::string_view> args,
                         std::initializer_list<std::string_view> known) {
    Arguments split;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (optionsEnded || !IsOption(arg)) {
            split.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (std::find(known.begin(), known.end(), arg) != known.end()) {
            split.options.push_back(arg);
        } else {
            throw UsageFailure{"option inconnue « " + EchoSafe(FromUtf8(arg)) + " »"};
        }
    }
    return split;
}

}  // namespace quillex::cli
