#include <ostream>

#include "Command.h"
#include "LoadedLists.h"
#include "PrintLines.h"
#include "glossary/GlossaryFilter.h"
#include "text/Text.h"

namespace quillex::cli {

int RunGlossary(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) throw UsageFailure{"glossary takes at most one argument, a prefix"};
    const std::u16string prefix = args.empty() ? std::u16string() : FromUtf8(args[0]);
    const auto lines = FilterGlossary(GlossaryList(), prefix);
    if (lines.empty()) {
        err << "Aucun mot du glossaire ne commence par « " << ToUtf8(prefix) << " ».\n";
        return Refused;
    }
    PrintLines(out, lines);
    return Success;
}

}  // namespace quillex::cli
