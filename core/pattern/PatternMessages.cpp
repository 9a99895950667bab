#include "core/pattern/PatternMessages.h"

#include "core/text/Text.h"

namespace quillex {
namespace {

// The character at `at` as typed, a surrogate pair kept whole.
std::u16string CharacterAt(std::u16string_view text, size_t at, const EchoTyped& echo) {
    if (at >= text.size()) return {};
    const bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size();
    return echo(text.substr(at, pair ? 2 : 1));
}

std::u16string SyntaxErrorText(const PatternSyntaxError& error, std::u16string_view text,
                               const EchoTyped& echo) {
    using Kind = PatternSyntaxError::Kind;
    const std::u16string at = u"(case " + FromUtf8(std::to_string(error.position)) + u").";
    const std::u16string typed = CharacterAt(text, error.offset, echo);
    switch (error.kind) {
        case Kind::RefusedCharacter:
            return std::u16string(InvalidCharNotice) + u"\nCaractère refusé : « " + typed + u" » " +
                   at;
        case Kind::UnclosedSet:
            return u"Il manque le « ] » qui ferme l'ensemble de lettres " + at;
        case Kind::EmptySet:
            return u"L'ensemble de lettres est vide " + at;
        case Kind::NonLetterInSet:
            return u"Entre crochets, seules des lettres ou des intervalles comme A-E : « " + typed +
                   u" » " + at;
        case Kind::ReversedRange:
            return u"L'intervalle « " + typed + u"-" + CharacterAt(text, error.offset + 2, echo) +
                   u" » va à l'envers " + at;
        case Kind::StrayBracket:
            return u"« ] » sans « [ » qui l'ouvre " + at;
    }
    return {};
}

}  // namespace

std::optional<PatternRefusal> RefusalOf(const std::variant<Pattern, PatternSyntaxError>& parsed,
                                        std::u16string_view text, bool clueGiven,
                                        const EchoTyped& echo) {
    if (const auto* error = std::get_if<PatternSyntaxError>(&parsed))
        return PatternRefusal{SyntaxErrorText(*error, text, echo)};
    const Pattern& pattern = std::get<Pattern>(parsed);
    const int length = pattern.fixedLength();
    if (length > MaxPatternLength && pattern.hasRun())
        return PatternRefusal{
            u"Le modèle demande plus de 15 lettres hors « * » : aucun mot ne peut y entrer."};
    if (!pattern.hasRun() && (length < MinPatternLength || length > MaxPatternLength))
        return PatternRefusal{
            u"La longueur du mot doit être comprise entre 3 et 15 lettres (une lettre ou ? par "
            u"case)."};
    if (!clueGiven && pattern.exceedsJokerLimit())
        return PatternRefusal{std::u16string(JokerLimitNoticeFirstLine) + u"\n" +
                                  std::u16string(JokerLimitNoticeSecondLine),
                              true};
    return std::nullopt;
}

std::u16string ResultCountText(std::size_t count) {
    if (count == 0) return u"Aucun mot trouvé";
    return FromUtf8(std::to_string(count)) + (count == 1 ? u" mot trouvé" : u" mots trouvés");
}

}  // namespace quillex
