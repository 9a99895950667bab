#include "ui/scrabble/ScrabbleRows.h"

#include <algorithm>
#include <numeric>

#include "core/anagram/MarkedWord.h"
#include "core/anagram/WordValue.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {

ScrabbleRows MakeScrabbleRows(const AnagramOutcome& outcome, std::span<const int> values,
                              std::span<const WordHooks> hooks, int drawLength,
                              const ScrabbleRowChoice& choice) {
    const auto& words = outcome.words;
    std::vector<size_t> order =
        choice.byValue ? ByValueOrder(values) : std::vector<size_t>(words.size());
    if (!choice.byValue) std::iota(order.begin(), order.end(), size_t{0});
    // The words using every tile come first, in the order chosen, then the shorter ones.
    const auto fullLength = [&](size_t i) {
        return static_cast<int>(words[i].size()) >= drawLength;
    };
    const auto shorterStart = std::stable_partition(order.begin(), order.end(), fullLength);

    size_t wordWidth = 0;
    for (const auto word : words) wordWidth = std::max(wordWidth, word.size());
    ScrabbleRows rows;
    rows.texts.reserve(static_cast<qsizetype>(words.size()));
    for (const size_t i : order) {
        QString text = choice.markJokerLetters
                           ? ToQString(MarkedWord(words[i], outcome.freeLetterPlaces[i]))
                           : ToQString(words[i]);
        if (choice.values || choice.hooks)
            text = text.leftJustified(static_cast<qsizetype>(wordWidth));
        if (choice.values) text += QStringLiteral("  %1").arg(values[i], 2);
        if (choice.hooks) {
            const QString written = QString::fromStdString(HooksText(hooks[i]));
            if (!written.isEmpty()) text += QStringLiteral("  ") + written;
        }
        rows.texts.append(text);
    }
    const auto fullCount = static_cast<int>(shorterStart - order.begin());
    if (choice.shorterApart && fullCount > 0 && fullCount < static_cast<int>(order.size()))
        rows.headerAt = fullCount;
    return rows;
}

QString RowWord(const QString& rowText) {
    return rowText.section(QLatin1Char(' '), 0, 0).toUpper();
}

}  // namespace quillex::ui
