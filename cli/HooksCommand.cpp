#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "cli/LoadedLists.h"
#include "core/anagram/Hooks.h"

namespace quillex::cli {

// Prints BEFORE, the word and AFTER on one line per word, tab-separated: the letters that make
// a word of the Scrabble list in front of it and behind it. A word that is not made of letters
// is reported on stderr and ends with status 1, the others still printed.
int RunHooks(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    int status = Success;
    std::string text;
    for (const auto& [typed, word] : WordOperands(args, "hooks")) {
        if (word.empty()) {
            err << "« " << EchoSafe(typed) << " » n'est pas un mot : des lettres seulement.\n";
            status = Refused;
            continue;
        }
        const WordHooks hooks = FindHooks(word, ScrabbleList());
        text += hooks.before + '\t' + word + '\t' + hooks.after + '\n';
    }
    out << text;
    return status;
}

}  // namespace quillex::cli
