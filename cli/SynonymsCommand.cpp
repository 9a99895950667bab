#include <ostream>

#include "Arguments.h"
#include "Command.h"
#include "LoadedLists.h"
#include "PrintLines.h"
#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/SynonymLookup.h"
#include "core/text/Text.h"

namespace quillex::cli {

// Looks WORD up as the synonym tab does once WORD is typed: the white space around it dropped,
// browse, then look-up.
int RunSynonyms(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto operands = SplitArguments(args).operands;
    if (operands.empty()) throw UsageFailure{"MOT manquant"};
    if (operands.size() > 1) throw UsageFailure{"un seul MOT attendu"};
    const std::u16string typed = OperandText(operands[0]);
    const std::u16string word = ToLower(typed);
    ListedEntries entries;
    BrowseHeadwords(word, SynonymTablesFor(word), entries);
    LookupHistory history;
    const SynonymLookupResult result = SynonymLookup(word, typed, entries, history);
    if (!result.found) {
        err << ToUtf8(result.message) << '\n';
        return Refused;
    }
    PrintLines(out, result.synonyms);
    return Success;
}

}  // namespace quillex::cli
