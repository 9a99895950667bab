#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <variant>

#include "Arguments.h"
#include "Command.h"
#include "EchoSafe.h"
#include "LoadedLists.h"
#include "PrintLines.h"
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

PatternArguments ReadArguments(std::span<const std::string_view> args) {
    PatternArguments read;
    std::optional<std::string_view> text;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            if (text) throw UsageFailure{"un seul MOTIF attendu"};
            text = arg;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--count") {
            read.countOnly = true;
        } else if (arg == "--clue" || arg.starts_with("--clue=")) {
            if (read.clue) throw UsageFailure{"--clue ne se donne qu'une fois"};
            if (arg != "--clue")
                read.clue = arg.substr(7);
            else if (i + 1 < args.size())
                read.clue = args[++i];
            else
                throw UsageFailure{"--clue attend un mot : pattern MOTIF --clue MOT"};
        } else {
            throw UsageFailure{"option inconnue « " + EchoSafe(FromUtf8(arg)) +
                               " » (options : --count, --clue MOT)"};
        }
    }
    if (!text)
        throw UsageFailure{
            "MOTIF manquant : les lettres du mot, « ? » pour chaque lettre inconnue"};
    read.text = *text;
    return read;
}

}  // namespace

int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PatternArguments read = ReadArguments(args);
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
        clue = ClueSynonyms::LookUp(OperandText(*read.clue), SynonymTables());
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
