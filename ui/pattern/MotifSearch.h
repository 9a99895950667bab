#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "core/wordlists/WordList.h"

namespace quillex::ui {

/// The outcome of a search of the "Motif" field: the words, or why the text was refused.
struct MotifOutcome {
    /// Views of the main list's bytes, in list order; empty after a refusal.
    std::vector<std::string_view> words;
    /// The refusal, in French, as quillex-cli pattern writes it; empty when searched.
    QString refusal;
    /// Set when the refusal is the joker limit, which the window shows as an error.
    bool jokerLimit = false;
};

/// Reads a pattern's text ("?", "*", "[AEI]", "[^AEI]") and searches the main list with the
/// engine, joker limit and refusals of quillex-cli pattern. The joker limit does not apply when
/// a clue narrows the words. The window's one entry to that engine.
MotifOutcome SearchMotif(std::u16string_view text, bool clueGiven, const WordList& mainList);

}  // namespace quillex::ui
