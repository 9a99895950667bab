#include <ostream>

#include "Command.h"
#include "LoadedLists.h"
#include "PrintLines.h"
#include "synonyms/BrowseHeadwords.h"
#include "text/Text.h"

namespace quillex::cli {

// Lists the headwords the synonym tab shows while TEXT is typed, lower-cased as the tab does.
int RunHeadwords(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) throw UsageFailure{"headwords takes one TEXT"};
    const std::u16string text = ToLower(FromUtf8(args[0]));
    ListedEntries entries;
    const auto headwords = BrowseHeadwords(text, SynonymTablesFor(text), entries);
    PrintLines(out, headwords);
    if (headwords.empty()) {
        err << "no headword listed for this text\n";
        return Refused;
    }
    return Success;
}

}  // namespace quillex::cli
