#include <ostream>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/LoadedLists.h"
#include "cli/PrintLines.h"
#include "core/synonyms/SynonymEngine.h"
#include "core/text/Text.h"

namespace quillex::cli {

// Looks WORD up as the synonym tab does once WORD is typed: the white space around it dropped,
// browse, then look-up. An inflected form's lemma is said on the error stream, as the tab shows
// it above the synonyms.
int RunSynonyms(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto operands = ReadArguments(args);
    if (operands.empty()) throw UsageFailure{"MOT manquant"};
    if (operands.size() > 1) throw UsageFailure{"un seul MOT attendu"};
    const std::u16string typed = OperandText(operands[0]);
    SynonymEngine engine(SynonymTablesForLookUp(typed));
    engine.browse(typed);
    const SynonymLookupResult result = engine.lookUp(typed);
    if (!result.found) {
        err << ToUtf8(result.message) << '\n';
        return Refused;
    }
    if (!result.lemmaNotice.empty()) err << ToUtf8(result.lemmaNotice) << '\n';
    PrintLines(out, result.synonyms);
    return Success;
}

}  // namespace quillex::cli
