#include <ostream>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/LoadedLists.h"
#include "cli/PrintLines.h"
#include "core/synonyms/BrowseHeadwords.h"
#include "core/text/Text.h"

namespace quillex::cli {

// Lists the headwords the synonym tab shows while TEXT is typed, trimmed, case and accents folded
// as the tab does.
int RunHeadwords(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto operands = ReadArguments(args);
    if (operands.empty()) throw UsageFailure{"TEXTE manquant"};
    if (operands.size() > 1) throw UsageFailure{"un seul TEXTE attendu"};
    const std::u16string text = ToLower(OperandText(operands[0]));
    ListedEntries entries;
    const auto headwords = BrowseHeadwords(text, SynonymTablesFor(text), entries);
    PrintLines(out, headwords);
    if (headwords.empty()) {
        err << "Aucune entrée ne commence par ce texte.\n";
        return Refused;
    }
    return Success;
}

}  // namespace quillex::cli
