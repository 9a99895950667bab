#include <numeric>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "cli/LoadedLists.h"
#include "cli/PrintLines.h"
#include "core/anagram/AnagramSearch.h"
#include "core/anagram/MarkedWord.h"
#include "core/anagram/WordValue.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"

namespace quillex::cli {
namespace {

struct AnagramArguments {
    std::string_view draw;
    AnagramQuery extras;  // all but the draw, which must outlive its decoding
    bool mark = false;
    bool score = false;
    bool byScore = false;
};

AnagramArguments ReadAnagramArguments(std::span<const std::string_view> args) {
    AnagramArguments read;
    const auto operands = ReadArguments(
        args, {.options = {Flag("--mark", read.mark),
                           Flag("--score", read.score),
                           Flag("--by-score", read.byScore),
                           Flag("--shorter", read.extras.shorterWords),
                           Flag("--plus", read.extras.boardLetter),
                           {"--jokers", true,
                            [&](std::optional<std::string_view> count) {
                                if (count != "1" && count != "2")
                                    throw UsageFailure{"--jokers prend 1 ou 2"};
                                read.extras.twoJokers = count == "2";
                            }}},
               .optionsHint = "--mark, --score, --by-score, --shorter, --plus, --jokers 2",
               .secondOperand = "un seul TIRAGE attendu (entre guillemets s'il a des espaces)"});
    if (operands.empty())
        throw UsageFailure{"TIRAGE manquant (2 à 9 lettres, « ? » pour le joker)"};
    read.draw = operands[0];
    return read;
}

}  // namespace

// Prints the anagrams of a draw one per line, in list order; the options add longer and shorter
// words, allow two jokers, mark the letters the jokers stand for, write each word's value and
// order the words by it, as the window does. A
// refused draw and a draw that finds nothing both end with status 1 and a French message on
// stderr, as the window says it.
int RunAnagram(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const AnagramArguments read = ReadAnagramArguments(args);
    // The list holds plain capitals: "é" is played as E, "œ" as O and E, as in the window.
    const std::u16string draw = FoldAccents(OperandText(read.draw));
    AnagramQuery query = read.extras;
    query.draw = draw;
    const AnagramOutcome outcome = AnagramSearch(query, ScrabbleList());
    if (outcome.status != AnagramStatus::Found) {
        err << ToUtf8(RefusalText(outcome.status)) << '\n';
        return Refused;
    }
    if (outcome.words.empty()) {
        err << "Aucun  mot  trouvé.\n";
        return Refused;
    }
    if (!read.mark && !read.score && !read.byScore) {
        PrintLines(out, outcome.words);
        return Success;
    }
    const std::vector<int> values = WordValues(outcome, draw);
    std::vector<size_t> order = ByValueOrder(values);
    if (!read.byScore) std::iota(order.begin(), order.end(), size_t{0});
    std::string text;
    for (const size_t i : order) {
        const std::string_view word = outcome.words[i];
        text += Windows1252ToUtf8(read.mark ? MarkedWord(word, outcome.freeLetterPlaces[i])
                                            : std::string(word));
        if (read.score) text += '\t' + std::to_string(values[i]);
        text += '\n';
    }
    out << text;
    return Success;
}

}  // namespace quillex::cli
