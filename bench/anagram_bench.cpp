// Anagram searches over the Scrabble list: the worst draw (nine letters with the joker, over the
// largest slice, the draw with the most results) and a typical five-letter draw.
#include <benchmark/benchmark.h>

#include "anagram/AnagramSearch.h"
#include "wordlists/LoadWordList.h"

namespace quillex {
namespace {

const WordList& Scrabble() {
    static const WordList list = LoadWordList(ScrabbleListResource);
    return list;
}

void BM_AnagramSearch(benchmark::State& state, std::u16string_view draw) {
    const WordList& list = Scrabble();
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

}  // namespace
}  // namespace quillex
