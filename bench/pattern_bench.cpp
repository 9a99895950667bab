// The pattern search: the worst pattern over the largest slice, and everyday patterns.
#include <benchmark/benchmark.h>

#include <string>

#include "core/pattern/PatternSearch.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

void Search(benchmark::State& state, std::u16string pattern) {
    const WordList& list = MainList();
    const int length = static_cast<int>(pattern.size());
    size_t found = 0;
    for (auto _ : state) {
        const PatternOutcome outcome = PatternSearch(length, pattern, list);
        found = outcome.words.size();
        benchmark::DoNotOptimize(outcome.words.data());
    }
    state.counters["words"] = static_cast<double>(found);
}

// Ten letters is the largest slice; two final letters and eight jokers (the most the length
// allows) fit the most words, 13122 of them ending in ES.
BENCHMARK_CAPTURE(Search, worst_10_letters_ending_ES, std::u16string(u"????????ES"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, largest_result_9_letters_ending_ES, std::u16string(u"???????ES"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, typical_8_letters_three_known, std::u16string(u"??R??E?S"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, typical_10_letters_three_known, std::u16string(u"C??R?????E"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, every_letter_known_10, std::u16string(u"ABAISSERAI"))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillex
