#pragma once

#include <string_view>
#include <vector>

#include "core/wordlists/WordList.h"

namespace quillex {

/// The word a glossary line defines: the text before its first ':', or the whole line.
std::string_view GlossaryWord(std::string_view line);

/// The glossary lines, in list order, whose word begins with `prefix`, accents and case
/// disregarded ("e" finds "ÉCU" and "ÈRE"); every line when the prefix is empty. The lines are
/// views of the glossary's bytes.
std::vector<std::string_view> FilterGlossary(const WordList& glossary, std::u16string_view prefix);

}  // namespace quillex
