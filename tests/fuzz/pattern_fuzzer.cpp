// Any pattern text, then after a line feed any clue: a pattern is refused or lists words that
// fit it, the count and the block-by-block scan agree with that list, and a clue keeps some of
// those words, in their order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <variant>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternScan.h"
#include "core/wordlists/Dictionaries.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string input = quillex::fuzz::AsText(data, size);
    const size_t cut = std::min(input.find(u'\n'), input.size());
    const auto parsed = quillex::Pattern::Parse(std::u16string_view(input).substr(0, cut));
    const auto* pattern = std::get_if<quillex::Pattern>(&parsed);
    if (pattern == nullptr) return 0;
    const auto& lists = quillex::BuiltInDictionaries();
    const auto words = quillex::FindWords(*pattern, lists.mainWordList);
    for (const auto word : words)
        if (!pattern->fits(word)) __builtin_trap();
    if (quillex::CountWords(*pattern, lists.mainWordList) != words.size()) __builtin_trap();
    size_t streamed = 0;
    quillex::ScanWords(*pattern, lists.mainWordList, [&](auto block) {
        if (streamed + block.size() > words.size() ||
            !std::equal(block.begin(), block.end(), words.begin() + streamed))
            __builtin_trap();
        streamed += block.size();
    });
    if (streamed != words.size()) __builtin_trap();
    if (cut == input.size()) return 0;
    const auto clue = quillex::ClueSynonyms::LookUp(std::u16string_view(input).substr(cut + 1),
                                                    lists.synonymLetterTables);
    if (!clue) return 0;
    const quillex::ClueOutcome outcome = clue->narrow(words);
    if (!std::includes(words.begin(), words.end(), outcome.synonyms.begin(), outcome.synonyms.end(),
                       [](auto a, auto b) { return a.data() < b.data(); }))
        __builtin_trap();
    return 0;
}
