#include <ostream>
#include <string>

#include "Arguments.h"
#include "Command.h"
#include "EchoSafe.h"
#include "LoadedLists.h"
#include "PrintLines.h"
#include "pattern/JokerLimits.h"
#include "pattern/PatternEntry.h"
#include "pattern/PatternSearch.h"
#include "pattern/PatternTexts.h"
#include "text/Text.h"

namespace quillex::cli {
namespace {

constexpr std::string_view kLengthNotice =
    "La longueur du mot doit être comprise entre 3 et 15 lettres (une lettre ou ? par case).";

struct PatternArguments {
    std::string_view text;
    bool countOnly = false;
};

PatternArguments ReadArguments(std::span<const std::string_view> args) {
    const Arguments split = SplitArguments(args, {"--count"});
    if (split.operands.empty())
        throw UsageFailure{
            "MOTIF manquant : les lettres du mot, « ? » pour chaque lettre inconnue"};
    if (split.operands.size() > 1) throw UsageFailure{"un seul MOTIF attendu"};
    return {split.operands[0], split.has("--count")};
}

// The refused character as typed, a surrogate pair kept whole.
std::u16string_view CharacterAt(std::u16string_view text, size_t at) {
    const bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size();
    return text.substr(at, pair ? 2 : 1);
}

}  // namespace

int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PatternArguments read = ReadArguments(args);
    const std::u16string text = FromUtf8(read.text);
    if (const auto refused = FirstRefusedCharacter(text)) {
        err << ToUtf8(InvalidCharNotice) << '\n'
            << "Caractère refusé : « " << EchoSafe(CharacterAt(text, *refused)) << " » (case "
            << *refused + 1 << ").\n";
        return Refused;
    }
    const int length = static_cast<int>(text.size());
    if (length < MinPatternLength || length > MaxPatternLength) {
        err << kLengthNotice << '\n';
        return Refused;
    }
    const std::u16string pattern = PatternFromText(text);
    if (CheckJokers(length, pattern) == JokerCheck::JokerLimitExceeded) {
        err << ToUtf8(JokerLimitNoticeFirstLine) << '\n'
            << ToUtf8(JokerLimitNoticeSecondLine) << '\n';
        return Refused;
    }
    const std::vector<std::string_view> found = ScanPattern(length, pattern, MainList());
    if (read.countOnly)
        out << ToUtf8(ResultCountText(found.size())) << '\n';
    else if (found.empty())
        err << ToUtf8(ResultCountText(0)) << '\n';
    else
        PrintLines(out, found);
    return found.empty() ? Refused : Success;
}

}  // namespace quillex::cli
