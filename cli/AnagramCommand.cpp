#include <ostream>

#include "Command.h"
#include "LoadedLists.h"
#include "anagram/AnagramSearch.h"
#include "text/Text.h"

namespace quillex::cli {

// Prints the anagrams of a draw one per line, in list order. A refused draw and a draw that
// finds nothing both end with status 1 and a French message on stderr, as the window says it.
int RunAnagram(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) throw UsageFailure{"missing draw (2 to 9 letters, '?' for the joker)"};
    if (args.size() > 1) throw UsageFailure{"anagram takes one draw (quote it if it has spaces)"};
    const AnagramOutcome outcome = AnagramSearch(FromUtf8(args[0]), ScrabbleList());
    if (outcome.status != AnagramStatus::Found) {
        err << ToUtf8(RefusalText(outcome.status)) << '\n';
        return Refused;
    }
    if (outcome.words.empty()) {
        err << "Aucun  mot  trouvé.\n";
        return Refused;
    }
    for (const auto word : outcome.words) out << ToUtf8(word) << '\n';
    return Success;
}

}  // namespace quillex::cli
