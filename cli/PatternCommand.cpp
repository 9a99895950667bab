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

constexpr std::string_view kLengthNotice =
    "La longueur du mot doit être comprise entre 3 et 15 lettres (une lettre ou ? par case).";
constexpr std::string_view kRunTooLongNotice =
    "Le modèle demande plus de 15 lettres hors « * » : aucun mot ne peut y entrer.";

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

// The character at `at` as typed, a surrogate pair kept whole, fit to print.
std::string CharacterAt(std::u16string_view text, size_t at) {
    if (at >= text.size()) return {};
    const bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size();
    return EchoSafe(text.substr(at, pair ? 2 : 1));
}

void ReportSyntaxError(const PatternSyntaxError& error, std::u16string_view text,
                       std::ostream& err) {
    using Kind = PatternSyntaxError::Kind;
    const std::string at = "(case " + std::to_string(error.position) + ").\n";
    switch (error.kind) {
        case Kind::RefusedCharacter:
            err << ToUtf8(InvalidCharNotice) << '\n'
                << "Caractère refusé : « " << CharacterAt(text, error.offset) << " » " << at;
            return;
        case Kind::UnclosedSet:
            err << "Il manque le « ] » qui ferme l'ensemble de lettres " << at;
            return;
        case Kind::EmptySet:
            err << "L'ensemble de lettres est vide " << at;
            return;
        case Kind::NonLetterInSet:
            err << "Entre crochets, seules des lettres ou des intervalles comme A-E : « "
                << CharacterAt(text, error.offset) << " » " << at;
            return;
        case Kind::ReversedRange:
            err << "L'intervalle « " << CharacterAt(text, error.offset) << '-'
                << CharacterAt(text, error.offset + 2) << " » va à l'envers " << at;
            return;
        case Kind::StrayBracket:
            err << "« ] » sans « [ » qui l'ouvre " << at;
            return;
    }
}

}  // namespace

int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PatternArguments read = ReadArguments(args);
    const std::u16string text = FromUtf8(read.text);
    const auto parsed = Pattern::Parse(text);
    if (const auto* error = std::get_if<PatternSyntaxError>(&parsed)) {
        ReportSyntaxError(*error, text, err);
        return Refused;
    }
    const Pattern& pattern = std::get<Pattern>(parsed);
    const int length = pattern.fixedLength();
    if (length > MaxPatternLength && pattern.hasRun()) {
        err << kRunTooLongNotice << '\n';
        return Refused;
    }
    if (!pattern.hasRun() && (length < MinPatternLength || length > MaxPatternLength)) {
        err << kLengthNotice << '\n';
        return Refused;
    }

    // A clue bounds the list to a few synonyms, so the joker limit, which keeps lists short,
    // has nothing to guard then.
    std::optional<ClueSynonyms> clue;
    if (read.clue) {
        clue = ClueSynonyms::LookUp(FromUtf8(*read.clue), SynonymTables());
        if (!clue) {
            err << ToUtf8(NoSynonymMessage) << '\n';
            return Refused;
        }
    } else if (pattern.exceedsJokerLimit()) {
        err << ToUtf8(JokerLimitNoticeFirstLine) << '\n'
            << ToUtf8(JokerLimitNoticeSecondLine) << '\n';
        return Refused;
    }

    size_t count = 0;
    if (clue) {
        const ClueOutcome shown = clue->narrow(FindWords(pattern, MainList()));
        count = shown.count();
        if (!read.countOnly && count > 0) {
            PrintLines(out, shown.synonyms);
            if (!shown.broadSense.empty()) out << ToUtf8(BroadSenseHeader) << '\n';
            PrintLines(out, shown.broadSense);
        }
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
