#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "cli/LoadedLists.h"
#include "core/anagram/WordJudge.h"

namespace quillex::cli {

// Judges each word against the Scrabble list, folded as a draw is: one line per word, the word
// as the list writes it (as typed when it is not made of letters), a tab and the verdict.
int RunCheck(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
    bool allValid = true;
    std::string text;
    for (const auto& [typed, word] : WordOperands(args, "check")) {
        const bool valid = IsScrabbleWord(word, ScrabbleList());
        allValid = allValid && valid;
        text +=
            (word.empty() ? EchoSafe(typed) : word) + (valid ? "\tvalable\n" : "\tnon valable\n");
    }
    out << text;
    return allValid ? Success : Refused;
}

}  // namespace quillex::cli
