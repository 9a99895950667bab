// Anagram searches over the Scrabble list: the worst draw (nine letters with the joker, over the
// largest slice, the draw with the most results) and a typical five-letter draw; then the extras:
// the shorter words of nine letters with two jokers (every slice but the longest read word by
// word) and the board letter of eight characters with two jokers (three free letters over the
// largest slice). Last, the cost of each found word's value (and the order by value) and of its
// hooks, over the outcome of the draw with the most words.
#include <benchmark/benchmark.h>

#include <string>

#include "core/anagram/AnagramSearch.h"
#include "core/anagram/Hooks.h"
#include "core/anagram/WordValue.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex {
namespace {

void BM_AnagramSearch(benchmark::State& state, AnagramQuery query) {
    const WordList& list = ScrabbleList();
    size_t found = 0;
    for (auto _ : state) {
        auto outcome = AnagramSearch(query, list);
        found = outcome.words.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["words_found"] = static_cast<double>(found);
}

struct NamedQuery {
    const char* name;
    AnagramQuery query;
};

constexpr NamedQuery kSearches[] = {
    {"worst_nine_with_joker", {.draw = u"ESARINT?E"}},
    {"nine_without_joker", {.draw = u"ETRANGERS"}},
    {"nine_e", {.draw = u"EEEEEEEEE"}},
    {"typical_chien", {.draw = u"CHIEN"}},
    {"worst_shorter_nine_two_jokers",
     {.draw = u"ESARINT??", .shorterWords = true, .twoJokers = true}},
    {"shorter_nine_one_joker", {.draw = u"ESARINT?E", .shorterWords = true}},
    {"shorter_seven_no_joker", {.draw = u"ARTISTE", .shorterWords = true}},
    {"worst_plus_eight_two_jokers", {.draw = u"ESARIN??", .boardLetter = true, .twoJokers = true}},
    {"plus_eight_one_joker", {.draw = u"ESARINT?", .boardLetter = true}},
    {"plus_seven_no_joker", {.draw = u"ARTISTE", .boardLetter = true}},
    {"all_extras_nine_two_jokers",
     {.draw = u"ESARINT??", .shorterWords = true, .boardLetter = true, .twoJokers = true}},
};

const bool kSearchesRegistered = [] {
    for (const NamedQuery& search : kSearches)
        benchmark::RegisterBenchmark((std::string("BM_AnagramSearch/") + search.name).c_str(),
                                     BM_AnagramSearch, search.query)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

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
