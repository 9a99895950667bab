#include <ostream>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "cli/LoadedLists.h"
#include "cli/PrintLines.h"
#include "core/glossary/GlossaryFilter.h"
#include "core/text/Text.h"

namespace quillex::cli {

int RunGlossary(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto operands = ReadArguments(args);
    if (operands.size() > 1) throw UsageFailure{"un seul PRÉFIXE au plus"};
    const std::u16string prefix = operands.empty() ? std::u16string() : OperandText(operands[0]);
    const auto lines = FilterGlossary(GlossaryList(), prefix);
    if (lines.empty()) {
        err << "Aucun mot du glossaire ne commence par « " << EchoSafe(prefix) << " ».\n";
        return Refused;
    }
    PrintLines(out, lines);
    return Success;
}

}  // namespace quillex::cli
