// Anagram searches over the Scrabble list: the worst draw (nine letters with the joker, over the
// largest slice, the draw with the most results) and a typical five-letter draw; then the extras:
// the shorter words of nine letters with two jokers (every slice but the longest read word by
// word) and the board letter of eight characters with two jokers (three free letters over the
// largest slice). Last, the cost of each found word's value (and the order by value) and of its
// hooks, over the outcome of the draw with the most words.
#include <benchmark/benchmark.h>

#include "core/anagram/AnagramSearch.h"
#include "core/anagram/Hooks.h"
#include "core/anagram/WordValue.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

void BM_AnagramSearch(benchmark::State& state, std::u16string_view draw) {
    const WordList& list = ScrabbleList();
    size_t found = 0;
    for (auto _ : state) {
        auto outcome = AnagramSearch(draw, list);
        found = outcome.words.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["words_found"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(BM_AnagramSearch, worst_nine_with_joker, std::u16string_view(u"ESARINT?E"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramSearch, nine_without_joker, std::u16string_view(u"ETRANGERS"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramSearch, nine_e, std::u16string_view(u"EEEEEEEEE"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramSearch, typical_chien, std::u16string_view(u"CHIEN"))
    ->Unit(benchmark::kMicrosecond);

void BM_AnagramExtras(benchmark::State& state, AnagramQuery query) {
    const WordList& list = ScrabbleList();
    size_t found = 0;
    for (auto _ : state) {
        auto outcome = AnagramSearch(query, list);
        found = outcome.words.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["words_found"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(BM_AnagramExtras, worst_shorter_nine_two_jokers,
                  AnagramQuery{.draw = u"ESARINT??", .shorterWords = true, .twoJokers = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, shorter_nine_one_joker,
                  AnagramQuery{.draw = u"ESARINT?E", .shorterWords = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, shorter_seven_no_joker,
                  AnagramQuery{.draw = u"ARTISTE", .shorterWords = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, worst_plus_eight_two_jokers,
                  AnagramQuery{.draw = u"ESARIN??", .boardLetter = true, .twoJokers = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, plus_eight_one_joker,
                  AnagramQuery{.draw = u"ESARINT?", .boardLetter = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, plus_seven_no_joker,
                  AnagramQuery{.draw = u"ARTISTE", .boardLetter = true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnagramExtras, all_extras_nine_two_jokers,
                  AnagramQuery{.draw = u"ESARINT??",
                               .shorterWords = true,
                               .boardLetter = true,
                               .twoJokers = true})
    ->Unit(benchmark::kMicrosecond);

// The draw with the most words: nine characters, two jokers, the shorter words.
constexpr AnagramQuery kMostWords{.draw = u"ESARINT??", .shorterWords = true, .twoJokers = true};

void BM_ValuesAndOrder(benchmark::State& state) {
    const AnagramOutcome outcome = AnagramSearch(kMostWords, ScrabbleList());
    for (auto _ : state) {
        const auto values = WordValues(outcome, kMostWords.draw);
        auto order = ByValueOrder(values);
        benchmark::DoNotOptimize(order);
    }
    state.counters["words"] = static_cast<double>(outcome.words.size());
}
BENCHMARK(BM_ValuesAndOrder)->Unit(benchmark::kMicrosecond);

void BM_Hooks(benchmark::State& state) {
    const WordList& list = ScrabbleList();
    const AnagramOutcome outcome = AnagramSearch(kMostWords, list);
    for (auto _ : state) {
        size_t letters = 0;
        for (const auto word : outcome.words) {
            const WordHooks hooks = FindHooks(word, list);
            letters += hooks.before.size() + hooks.after.size();
        }
        benchmark::DoNotOptimize(letters);
    }
    state.counters["words"] = static_cast<double>(outcome.words.size());
}
BENCHMARK(BM_Hooks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillex
