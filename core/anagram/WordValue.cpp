#include "core/anagram/WordValue.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace quillex {

int WordValue(std::string_view word, uint16_t freeLetterPlaces, int jokers) {
    int value = 0;
    // The values of the free places, at most sixteen of them.
    std::array<int, 16> free{};
    int freeCount = 0;
    for (size_t k = 0; k < word.size(); ++k) {
        const int letter = LetterValue(word[k]);
        if (k < free.size() && (freeLetterPlaces >> k & 1u))
            free[freeCount++] = letter;
        else
            value += letter;
    }
    std::sort(free.begin(), free.begin() + freeCount);
    for (int k = std::max(jokers, 0); k < freeCount; ++k) value += free[k];
    return value;
}

std::vector<int> WordValues(const AnagramOutcome& outcome, std::u16string_view draw) {
    const int jokers = static_cast<int>(std::count(draw.begin(), draw.end(), Joker));
    std::vector<int> values;
    values.reserve(outcome.words.size());
    for (size_t i = 0; i < outcome.words.size(); ++i)
        values.push_back(WordValue(outcome.words[i], outcome.freeLetterPlaces[i], jokers));
    return values;
}

std::vector<size_t> ByValueOrder(std::span<const int> values) {
    std::vector<size_t> order(values.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&values](size_t a, size_t b) { return values[a] > values[b]; });
    return order;
}

}  // namespace quillex
