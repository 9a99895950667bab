// quillex-cli pattern's runs and letter sets over the whole main list, and what a clue adds to
// a search: its look-up, the synonyms of its synonyms when few fit, and the narrowing.
#include <benchmark/benchmark.h>

#include <string>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternSearch.h"
#include "core/pattern/WildcardSearch.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/SynonymLetterTables.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

WildcardPattern Read(std::u16string_view text) {
    return std::get<WildcardPattern>(WildcardPattern::Parse(text));
}

// Every length from the pattern's own up to 15 is scanned.
void BM_Wildcard(benchmark::State& state, std::u16string_view text) {
    const WordList& list = MainList();
    const WildcardPattern pattern = Read(text);
    size_t found = 0;
    for (auto _ : state) {
        const auto words = ScanWildcard(pattern, list);
        found = words.size();
        benchmark::DoNotOptimize(words.data());
    }
    state.counters["words"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Wildcard, CH_run_EN, u"CH*EN")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, run_ISME, u"*ISME")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, run_QU_run, u"*QU*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, run_E_run_most_words, u"*E*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, run_alone_every_word, u"*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, three_runs, u"*A*B*C*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Wildcard, sets_fixed_length, u"A[EI]?[^S]??[RS]")
    ->Unit(benchmark::kMicrosecond);

// What --clue adds once the pattern's words are known: the look-up of the clue, the second
// group's look-ups when fewer than five synonyms fit, and the narrowing of the words.
void BM_ClueAdds(benchmark::State& state, std::u16string_view text, std::u16string_view clue) {
    const WildcardPattern pattern = Read(text);
    const auto words = ScanWildcard(pattern, MainList());
    const SynonymLetterTables& letters = SynonymTables();
    size_t shown = 0;
    for (auto _ : state) {
        const auto synonyms = ClueSynonyms::LookUp(clue, letters);
        const ClueOutcome outcome = synonyms->narrow(words);
        shown = outcome.count();
        benchmark::DoNotOptimize(shown);
    }
    state.counters["pattern_words"] = static_cast<double>(words.size());
    state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK_CAPTURE(BM_ClueAdds, window_example_chat, u"?I??E", u"chat")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClueAdds, five_jokers_chat, u"?????", u"chat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClueAdds, largest_slice_gras_23_synonyms, u"????????ES", u"gras")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClueAdds, whole_list_chat, u"*", u"chat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClueAdds, whole_list_gras, u"*", u"gras")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillex
