// The pattern search over the main list: one length (the worst pattern over the largest slice,
// and everyday ones), runs and letter sets over every length, the count quillex-cli --count
// gives, and what a clue adds to a search.
#include <benchmark/benchmark.h>

#include <string>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternScan.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {
namespace {

Pattern Read(std::u16string_view text) {
    return std::get<Pattern>(Pattern::Parse(text));
}

void Search(benchmark::State& state, std::u16string_view text) {
    const WordList& list = MainList();
    const Pattern pattern = Read(text);
    size_t found = 0;
    for (auto _ : state) {
        const auto words = FindWords(pattern, list);
        found = words.size();
        benchmark::DoNotOptimize(words.data());
    }
    state.counters["words"] = static_cast<double>(found);
}

// Ten letters is the largest slice; two final letters and eight jokers (the most the length
// allows) fit the most words, 13124 of them ending in ES.
BENCHMARK_CAPTURE(Search, worst_10_letters_ending_ES, u"????????ES")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, largest_result_9_letters_ending_ES, u"???????ES")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, typical_8_letters_three_known, u"??R??E?S")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, typical_10_letters_three_known, u"C??R?????E")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, every_letter_known_10, u"ABAISSERAI")->Unit(benchmark::kMicrosecond);

// Runs and sets: every length from the pattern's own up to 15 is scanned.
BENCHMARK_CAPTURE(Search, CH_run_EN, u"CH*EN")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, run_ISME, u"*ISME")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, run_QU_run, u"*QU*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, run_E_run_most_words, u"*E*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, run_alone_every_word, u"*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, three_runs, u"*A*B*C*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, sets_fixed_length, u"A[EI]?[^S]??[RS]")->Unit(benchmark::kMicrosecond);

// What --count costs: no word is kept, and a pattern every word of its lengths fits is counted
// from the length table.
void Count(benchmark::State& state, std::u16string_view text) {
    const WordList& list = MainList();
    const Pattern pattern = Read(text);
    size_t count = 0;
    for (auto _ : state) {
        count = CountWords(pattern, list);
        benchmark::DoNotOptimize(count);
    }
    state.counters["words"] = static_cast<double>(count);
}
BENCHMARK_CAPTURE(Count, run_alone_every_word, u"*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Count, run_E_run_most_words, u"*E*")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Count, worst_10_letters_ending_ES, u"????????ES")->Unit(benchmark::kMicrosecond);

// What --clue adds once the pattern's words are known: the look-up of the clue, the second
// group's look-ups when fewer than five synonyms fit, and the narrowing of the words.
void ClueAdds(benchmark::State& state, std::u16string_view text, std::u16string_view clue) {
    const auto words = FindWords(Read(text), MainList());
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
BENCHMARK_CAPTURE(ClueAdds, window_example_chat, u"?I??E", u"chat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClueAdds, five_jokers_chat, u"?????", u"chat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClueAdds, largest_slice_gras_23_synonyms, u"????????ES", u"gras")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClueAdds, whole_list_chat, u"*", u"chat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClueAdds, whole_list_gras, u"*", u"gras")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillex
