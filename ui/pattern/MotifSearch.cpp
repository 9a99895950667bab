#include "ui/pattern/MotifSearch.h"

#include <variant>

#include "core/pattern/PatternMessages.h"
#include "ui/app/AppConstants.h"

namespace quillex::ui {

MotifOutcome ReadMotif(std::u16string_view text, bool clueGiven) {
    MotifOutcome outcome;
    const auto parsed = Pattern::Parse(text);
    const auto asTyped = [](std::u16string_view typed) { return std::u16string(typed); };
    if (auto refusal = RefusalOf(parsed, text, clueGiven, asTyped)) {
        outcome.refusal = QString::fromStdU16String(refusal->text);
        // The joker notice is a message box's two lines.
        if (refusal->jokerLimit) outcome.refusal.replace(QLatin1Char('\n'), LineBreak);
        outcome.jokerLimit = refusal->jokerLimit;
        return outcome;
    }
    outcome.pattern = std::get<Pattern>(parsed);
    return outcome;
}

}  // namespace quillex::ui
