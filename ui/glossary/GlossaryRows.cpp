#include "ui/glossary/GlossaryRows.h"

#include "core/anagram/Hooks.h"
#include "core/anagram/WordJudge.h"
#include "core/glossary/GlossaryFilter.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {

QString GlossaryRowText(std::string_view line, const WordList& scrabbleList) {
    const std::string_view word = GlossaryWord(line);
    // The word keeps its accents in the glossary; its hooks are those of its plain capitals.
    const std::string plain = JudgedWord(ToQString(word).toStdU16String());
    const std::string hooks =
        plain.empty() ? std::string() : HooksText(FindHooks(plain, scrabbleList));
    if (hooks.empty()) return ToQString(line);
    return ToQString(word) + QLatin1Char(' ') + QString::fromStdString(hooks) +
           ToQString(line.substr(word.size()));
}

}  // namespace quillex::ui
