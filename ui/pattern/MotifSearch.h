#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "core/pattern/Pattern.h"

namespace quillex::ui {

/// The "Motif" field read: the pattern to search, or why the text was refused.
struct MotifOutcome {
    /// The pattern the scan searches; empty after a refusal.
    std::optional<Pattern> pattern;
    /// The refusal, in French, as quillex-cli pattern writes it; empty when searched.
    QString refusal;
    /// Set when the refusal is the joker limit, which the window shows as an error.
    bool jokerLimit = false;
};

/// Reads a pattern's text ("?", "*", "[AEI]", "[^AEI]") with the joker limit and refusals of
/// quillex-cli pattern. The joker limit does not apply when a clue narrows the words.
MotifOutcome ReadMotif(std::u16string_view text, bool clueGiven);

}  // namespace quillex::ui
