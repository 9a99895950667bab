// The synonym tab per keystroke: the headword browse of the largest letter group, and the
// look-up that follows it over the whole listing.
#include <benchmark/benchmark.h>

#include <string>

#include "core/synonyms/BrowseHeadwords.h"
#include "core/synonyms/SynonymEngine.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/SynonymLetterTables.h"

namespace quillex {
namespace {

// Two-letter texts of group c, the largest: "co" lists the most headwords of any text, "ça"
// folds, "cz" lists nothing but still folds and compares every line.
void BM_BrowseTwoLetters(benchmark::State& state, std::u16string_view text) {
    const SynonymLetterTables& letters = SynonymTables();
    ListedEntries entries;
    size_t listed = 0;
    for (auto _ : state) {
        listed = BrowseHeadwords(text, letters, entries).size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = static_cast<double>(listed);
    state.counters["group_lines"] = letters.table(u'c').size();
}
BENCHMARK_CAPTURE(BM_BrowseTwoLetters, co, u"co")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BrowseTwoLetters, ca_folded, u"ça")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BrowseTwoLetters, cz_nothing, u"cz")->Unit(benchmark::kMicrosecond);

// A look-up over the "co" listing: the last headword listed, and a word that is not there
// (all passes run over all the listing, and the miss searches the form list too).
void BM_LookupAfterBrowse(benchmark::State& state, std::u16string_view typed) {
    SynonymEngine engine(SynonymTables());
    state.counters["listing"] = static_cast<double>(engine.browse(u"co").size());
    for (auto _ : state) benchmark::DoNotOptimize(engine.lookUp(typed));
}
BENCHMARK_CAPTURE(BM_LookupAfterBrowse, last_listed, u"coyote")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookupAfterBrowse, not_found, u"Coxzz")->Unit(benchmark::kMicrosecond);

// The longest line: all its synonyms are split and copied.
void BM_LookupLongestLine(benchmark::State& state) {
    SynonymEngine engine(SynonymTables());
    engine.browse(u"trouble");
    for (auto _ : state) benchmark::DoNotOptimize(engine.lookUp(u"trouble"));
}
BENCHMARK(BM_LookupLongestLine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillex
