#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "Arguments.h"
#include "Command.h"
#include "EchoSafe.h"
#include "LoadedLists.h"
#include "PrintLines.h"
#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternEntry.h"
#include "core/pattern/PatternSearch.h"
#include "core/pattern/PatternTexts.h"
#include "core/pattern/WildcardSearch.h"
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

// A pattern the window could have written (letters, "?" and spaces, one length) goes through
// the window's own scan; runs and sets through the wildcard scan.
std::vector<std::string_view> Scan(const WildcardPattern& pattern, std::u16string_view text) {
    if (pattern.hasRun() || text.find(u'[') != std::u16string_view::npos)
        return ScanWildcard(pattern, MainList());
    return ScanPattern(pattern.fixedLength(), PatternFromText(text), MainList());
}

}  // namespace

int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PatternArguments read = ReadArguments(args);
    const std::u16string text = FromUtf8(read.text);
    const auto parsed = WildcardPattern::Parse(text);
    if (const auto* error = std::get_if<PatternSyntaxError>(&parsed)) {
        ReportSyntaxError(*error, text, err);
        return Refused;
    }
    const WildcardPattern& pattern = std::get<WildcardPattern>(parsed);
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
    // has nothing to guard then; a run leaves the length free, and the limit is per length.
    std::optional<ClueSynonyms> clue;
    if (read.clue) {
        clue = ClueSynonyms::LookUp(FromUtf8(*read.clue), SynonymTables());
        if (!clue) {
            err << ToUtf8(NoSynonymMessage) << '\n';
            return Refused;
        }
    } else if (!pattern.hasRun() && pattern.jokerCount() > JokerLimits(length).value_or(length)) {
        err << ToUtf8(JokerLimitNoticeFirstLine) << '\n'
            << ToUtf8(JokerLimitNoticeSecondLine) << '\n';
        return Refused;
    }

    std::vector<std::string_view> found = Scan(pattern, text);
    const ClueOutcome shown = clue ? clue->narrow(found) : ClueOutcome{std::move(found)};
    const size_t count = shown.count();
    if (read.countOnly) {
        out << ToUtf8(ResultCountText(count)) << '\n';
    } else if (count == 0) {
        err << ToUtf8(ResultCountText(0)) << '\n';
    } else {
        PrintLines(out, shown.synonyms);
    }
    return count == 0 ? Refused : Success;
}

}  // namespace quillex::cli
