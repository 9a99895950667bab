#include "ui/pattern/MotifSearch.h"

#include <variant>

#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternEntry.h"
#include "core/pattern/PatternSearch.h"
#include "core/pattern/PatternTexts.h"
#include "core/pattern/WildcardSearch.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {
namespace {

// The character at `at` as typed, a surrogate pair kept whole.
QString CharacterAt(std::u16string_view text, size_t at) {
    if (at >= text.size()) return {};
    const bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size();
    return QString::fromStdU16String(std::u16string(text.substr(at, pair ? 2 : 1)));
}

QString SyntaxErrorText(const PatternSyntaxError& error, std::u16string_view text) {
    using Kind = PatternSyntaxError::Kind;
    const QString at = QStringLiteral("(case %1).").arg(error.position);
    switch (error.kind) {
        case Kind::RefusedCharacter:
            return ToQString(InvalidCharNotice) + QStringLiteral("\nCaractère refusé : « ") +
                   CharacterAt(text, error.offset) + QStringLiteral(" » ") + at;
        case Kind::UnclosedSet:
            return QStringLiteral("Il manque le « ] » qui ferme l'ensemble de lettres ") + at;
        case Kind::EmptySet:
            return QStringLiteral("L'ensemble de lettres est vide ") + at;
        case Kind::NonLetterInSet:
            return QStringLiteral(
                       "Entre crochets, seules des lettres ou des intervalles comme "
                       "A-E : « ") +
                   CharacterAt(text, error.offset) + QStringLiteral(" » ") + at;
        case Kind::ReversedRange:
            return QStringLiteral("L'intervalle « ") + CharacterAt(text, error.offset) +
                   QLatin1Char('-') + CharacterAt(text, error.offset + 2) +
                   QStringLiteral(" » va à l'envers ") + at;
        case Kind::StrayBracket:
            return QStringLiteral("« ] » sans « [ » qui l'ouvre ") + at;
    }
    return {};
}

}  // namespace

MotifOutcome SearchMotif(std::u16string_view text, bool clueGiven, const WordList& mainList) {
    MotifOutcome outcome;
    const auto parsed = WildcardPattern::Parse(text);
    if (const auto* error = std::get_if<PatternSyntaxError>(&parsed)) {
        outcome.refusal = SyntaxErrorText(*error, text);
        return outcome;
    }
    const WildcardPattern& pattern = std::get<WildcardPattern>(parsed);
    const int length = pattern.fixedLength();
    if (length > MaxPatternLength && pattern.hasRun()) {
        outcome.refusal = QStringLiteral(
            "Le modèle demande plus de 15 lettres hors « * » : aucun mot ne peut "
            "y entrer.");
        return outcome;
    }
    if (!pattern.hasRun() && (length < MinPatternLength || length > MaxPatternLength)) {
        outcome.refusal = QStringLiteral(
            "La longueur du mot doit être comprise entre 3 et 15 "
            "lettres (une lettre ou ? par case).");
        return outcome;
    }
    // A clue bounds the list to a few synonyms; a run leaves the length free, and the limit is
    // per length.
    if (!clueGiven && !pattern.hasRun() &&
        pattern.jokerCount() > JokerLimits(length).value_or(length)) {
        outcome.refusal = ToQString(JokerLimitNoticeFirstLine) + LineBreak +
                          ToQString(JokerLimitNoticeSecondLine);
        outcome.jokerLimit = true;
        return outcome;
    }
    // Letters, "?" and spaces alone go through the letter boxes' own scan; runs and sets through
    // the wildcard scan.
    outcome.words = pattern.hasRun() || text.find(u'[') != std::u16string_view::npos
                        ? ScanWildcard(pattern, mainList)
                        : ScanPattern(length, PatternFromText(text), mainList);
    return outcome;
}

}  // namespace quillex::ui
