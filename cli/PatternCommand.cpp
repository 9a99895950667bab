#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <variant>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/EchoSafe.h"
#include "cli/LoadedLists.h"
#include "cli/PrintLines.h"
#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternMessages.h"
#include "core/pattern/PatternScan.h"
#include "core/synonyms/SynonymLookupResult.h"
#include "core/text/Text.h"

namespace quillex::cli {
namespace {

struct PatternArguments {
    std::string_view text;
    bool countOnly = false;
    std::optional<std::string_view> clue;
};

PatternArguments ReadPatternArguments(std::span<const std::string_view> args) {
    PatternArguments read;
    const auto operands = ReadArguments(
        args,
        {.options = {Flag("--count", read.countOnly),
                     {"--clue", true,
                      [&](std::optional<std::string_view> word) {
                          if (read.clue) throw UsageFailure{"--clue ne se donne qu'une fois"};
                          if (!word)
                              throw UsageFailure{"--clue attend un mot : pattern MOTIF --clue MOT"};
                          read.clue = word;
                      }}},
         .optionsHint = "--count, --clue MOT",
         .secondOperand = "un seul MOTIF attendu"});
    if (operands.empty())
        throw UsageFailure{
            "MOTIF manquant : les lettres du mot, « ? » pour chaque lettre inconnue"};
    read.text = operands[0];
    return read;
}

}  // namespace

int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PatternArguments read = ReadPatternArguments(args);
    const std::u16string text = OperandText(read.text);
    const auto parsed = Pattern::Parse(text);
    const auto echo = [](std::u16string_view typed) { return FromUtf8(EchoSafe(typed)); };
    if (auto refusal = RefusalOf(parsed, text, read.clue.has_value(), echo)) {
        err << ToUtf8(refusal->text) << '\n';
        return Refused;
    }
    const Pattern& pattern = std::get<Pattern>(parsed);

    // A clue bounds the list to a few synonyms, so the joker limit, which keeps lists short,
    // has nothing to guard then.
    std::optional<ClueSynonyms> clue;
    if (read.clue) {
        const std::u16string clueText = OperandText(*read.clue);
        clue = ClueSynonyms::LookUp(clueText, SynonymTablesForLookUp(clueText));
        if (!clue) {
            err << ToUtf8(NoSynonymMessage) << '\n';
            return Refused;
        }
    }

    size_t count = 0;
    if (clue) {
        const ClueOutcome shown = clue->narrow(FindWords(pattern, MainList()));
        count = shown.count();
        if (!read.countOnly && count > 0) PrintLines(out, shown.synonyms);
    } else if (read.countOnly) {
        count = CountWords(pattern, MainList());
    } else {
        // The words go out block by block as the scan finds them, none of them kept.
        ScanWords(pattern, MainList(), [&](std::span<const std::string_view> words) {
            PrintLines(out, words);
            count += words.size();
        });
    }
    if (read.countOnly)
        out << ToUtf8(ResultCountText(count)) << '\n';
    else if (count == 0)
        err << ToUtf8(ResultCountText(0)) << '\n';
    return count == 0 ? Refused : Success;
}

}  // namespace quillex::cli
