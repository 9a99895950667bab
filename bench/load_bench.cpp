// Loading the built-in lists, read in place (the synonym and glossary lines split by one
// pass) and checked against their tables, as the splash does, and the heap they take.
#include <benchmark/benchmark.h>

#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/Resources.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {
namespace {

constexpr WordListResource kAll[] = {MainListResource, ScrabbleListResource, SynonymListResource,
                                     GlossaryResource};

void BM_LoadAllLists(benchmark::State& state) {
    size_t heap = 0, resourceBytes = 0;
    for (auto _ : state) {
        heap = resourceBytes = 0;
        WordList lists[4];
        for (int i = 0; i < 4; ++i) {
            lists[i] = LoadWordList(kAll[i]);  // checked against its tables
            heap += lists[i].heapBytes();
            resourceBytes += ReadResource(kAll[i].typeName, kAll[i].id)->size();
        }
        SynonymLetterTables tables;
        tables.fill(lists[2]);
        const std::string_view lemmas = LoadLemmaText();
        tables.setLemmas(lemmas);
        resourceBytes += lemmas.size();
        benchmark::DoNotOptimize(tables);
    }
    state.counters["heap_MB"] = double(heap) / 1e6;
    state.counters["resource_MB"] = double(resourceBytes) / 1e6;
    state.counters["heap_per_byte"] = double(heap) / double(resourceBytes);
}
BENCHMARK(BM_LoadAllLists)->Unit(benchmark::kMillisecond);

void BM_LoadMainList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadWordList(MainListResource));
}
BENCHMARK(BM_LoadMainList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillex
