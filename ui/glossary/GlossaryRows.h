#pragma once

#include <QString>
#include <string_view>

#include "core/wordlists/WordList.h"

namespace quillex::ui {

/// A glossary line as its row shows it: the word, its hooks "[BEFORE/AFTER]" when it has some,
/// then the rest of the line as stored ("AH [B/I]: interj. …").
QString GlossaryRowText(std::string_view line, const WordList& scrabbleList);

}  // namespace quillex::ui
