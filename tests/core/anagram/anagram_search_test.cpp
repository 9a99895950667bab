#include "anagram/AnagramSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "text/Text.h"
#include "wordlists/LengthRanges.h"
#include "wordlists/LoadWordList.h"

namespace quillex {
namespace {

const WordList& Scrabble() {
    static const WordList list = LoadWordList(ScrabbleListResource);
    return list;
}

std::vector<std::u16string> Words(std::u16string_view draw) {
    const AnagramOutcome outcome = AnagramSearch(draw, Scrabble());
    EXPECT_EQ(outcome.status, AnagramStatus::Found) << ToUtf8(draw);
    return {outcome.words.begin(), outcome.words.end()};
}

std::string Describe(std::u16string_view draw) {
    return "draw \"" + ToUtf8(draw) + "\"";
}

// Letter counts A..Z; nullopt for a text holding anything else.
using Counts = std::array<int, 26>;
std::optional<Counts> CountLetters(std::u16string_view text) {
    Counts counts{};
    for (char16_t c : text) {
        if (c < u'A' || c > u'Z') return std::nullopt;
        ++counts[c - u'A'];
    }
    return counts;
}

std::u16string Sorted(std::u16string_view text) {
    std::u16string sorted(text);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

// The plain definition, independent of the length tables: the words whose sorted letters
// are the draw's sorted letters, the joker replaced by each letter A-Z in turn.
std::vector<std::u16string> OracleWords(std::u16string_view draw) {
    static const auto positionsBySortedLetters = [] {
        std::unordered_map<std::u16string, std::vector<int>> index;
        for (int i = 0; i < Scrabble().count(); ++i) index[Sorted(Scrabble()[i])].push_back(i);
        return index;
    }();
    std::u16string letters = ToUpper(draw);
    const bool joker = std::erase(letters, u'?') > 0;
    std::vector<int> positions;
    if (!CountLetters(letters)) return {};
    for (char16_t stand = u'A'; stand <= (joker ? u'Z' : u'A'); ++stand) {
        const auto at = positionsBySortedLetters.find(Sorted(joker ? letters + stand : letters));
        if (at != positionsBySortedLetters.end())
            positions.insert(positions.end(), at->second.begin(), at->second.end());
    }
    std::sort(positions.begin(), positions.end());
    std::vector<std::u16string> found;
    for (int i : positions) found.emplace_back(Scrabble()[i]);
    return found;
}

TEST(anagram_search, refuses_short_draws_then_extra_jokers_then_long_draws) {
    struct Row {
        std::u16string draw;
        AnagramStatus status;
    };
    const std::vector<Row> rows = {
        {u"", AnagramStatus::DrawTooShort},
        {u"A", AnagramStatus::DrawTooShort},
        {u"?", AnagramStatus::DrawTooShort},
        {u"??", AnagramStatus::TooManyJokers},
        {u"??A", AnagramStatus::TooManyJokers},
        {u"A?B?", AnagramStatus::TooManyJokers},
        {u"??????????", AnagramStatus::TooManyJokers},
        {u"ABCDEFGHIJ", AnagramStatus::DrawTooLong},
        {u"ESARINTEE?", AnagramStatus::DrawTooLong},
        {std::u16string(1000, u'E'), AnagramStatus::DrawTooLong},
        {u"AB", AnagramStatus::Found},
        {u"ESARINT?E", AnagramStatus::Found},
    };
    for (const auto& row : rows) {
        const AnagramOutcome outcome = AnagramSearch(row.draw, Scrabble());
        EXPECT_EQ(outcome.status, row.status) << Describe(row.draw);
        if (row.status != AnagramStatus::Found) {
            EXPECT_TRUE(outcome.words.empty()) << Describe(row.draw);
        }
    }
}

TEST(anagram_search, lists_exact_anagrams_in_list_order) {
    struct Row {
        std::u16string draw;
        std::vector<std::u16string> words;
    };
    const std::vector<Row> rows = {
        {u"CHIEN", {u"CHIEN", u"CHINE", u"NICHE"}},
        {u"chien", {u"CHIEN", u"CHINE", u"NICHE"}},
        {u"cHiEn", {u"CHIEN", u"CHINE", u"NICHE"}},
        {u"ORANGE", {u"ONAGRE", u"ORANGE", u"ORGANE", u"RONGEA"}},
        {u"ES", {u"ES", u"SE"}},
        {u"AB", {u"BA"}},
        {u"ZZ", {}},
        {u"ESARINTEE", {u"RAINETEES"}},
        {u"ETRANGERS", {u"ETRANGERS", u"RENTRAGES"}},
        {u"?A", {u"AA", u"AH", u"AI", u"AN", u"AS", u"AU", u"AY", u"BA", u"CA", u"DA",
                 u"FA", u"HA", u"KA", u"LA", u"MA", u"NA", u"RA", u"SA", u"TA", u"VA"}},
        {u"?AB",
         {u"ABC", u"BAC", u"BAH", u"BAI", u"BAL", u"BAN", u"BAR", u"BAS", u"BAT", u"BAU", u"BEA",
          u"BOA", u"CAB", u"JAB", u"RAB"}},
        {u"CHIEN?",
         {u"CHAINE", u"CHEMIN", u"CHENIL", u"CHENIN", u"CHIENS", u"CHIENT", u"CHIGNE", u"CHINEE",
          u"CHINER", u"CHINES", u"CHINEZ", u"ECHINA", u"ECHINE", u"LICHEN", u"NICHEE", u"NICHER",
          u"NICHES", u"NICHET", u"NICHEZ"}},
        {u"MM?", {u"MMM"}},
        {u"?ZZ", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(Words(row.draw), row.words) << Describe(row.draw);
}

// Words with the draw's letters in other numbers, even with an equal sum of codes, are not
// anagrams: PATATE is not APPETE, ARRANGE is not GARENNE.
TEST(anagram_search, compares_letter_counts_not_code_sums) {
    struct Row {
        std::u16string draw;
        std::vector<std::u16string> words;
    };
    const std::vector<Row> rows = {
        {u"STATUT", {u"STATUT"}},
        {u"PATATE", {u"EPATAT", u"PATATE"}},
        {u"ARRANGE", {u"ARRANGE", u"RANGERA"}},
        {u"GARENNE", {u"ENGRENA", u"GARENNE"}},
        {u"ALLELES", {u"ALLELES"}},
        {u"ALESEES", {u"ALESEES"}},
        {u"ACIERAI", {u"ACIERAI"}},
        {u"ACIEREE", {u"ACIEREE"}},
        {u"TILLAI", {u"TILLAI"}},
        {u"APPETER", {u"APPETER", u"APPRETE", u"TRAPPEE"}},
        {u"ARRANG?", {u"ARRANGE", u"GARNIRA", u"RANGERA"}},
    };
    for (const auto& row : rows) EXPECT_EQ(Words(row.draw), row.words) << Describe(row.draw);
}

// Draws with a letter drawn many times give their true result, whatever the number of words
// sharing those letters.
TEST(anagram_search, many_repeated_letters_give_their_true_result) {
    struct Row {
        std::u16string draw;
        std::vector<std::u16string> words;
    };
    const std::vector<Row> rows = {
        {u"EEEEEEEEE", {}},
        {u"EEEEEEEE?", {}},
        {u"EEEEESSSS", {}},
        {u"EEEEESSS?", {}},
        {u"SASSASSES", {u"SASSASSES"}},
        {u"SSSSSSAA?", {u"SASSASSES"}},
        {u"SSSSSSSAE", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(Words(row.draw), row.words) << Describe(row.draw);
}

TEST(anagram_search, no_word_holds_more_of_a_letter_than_draw_and_joker_allow) {
    for (std::u16string_view draw : {u"ESARINT?E", u"ESARINTEE", u"PAT?TE", u"EEEESSSA?",
                                     u"SSSAAEE?", u"ALLELE?", u"NNNNEEE?", u"TTTEEAA?"}) {
        const int jokers = draw.find(u'?') == std::u16string_view::npos ? 0 : 1;
        Counts drawn{};
        for (char16_t c : draw)
            if (c != u'?') ++drawn[c - u'A'];
        for (const auto& word : Words(draw)) {
            int extra = 0;
            const Counts counts = *CountLetters(word);
            for (int l = 0; l < 26; ++l) {
                EXPECT_LE(counts[l], drawn[l] + jokers)
                    << ToUtf8(word) << " for " << Describe(draw);
                extra += std::max(0, counts[l] - drawn[l]);
            }
            EXPECT_EQ(extra, jokers) << ToUtf8(word) << " for " << Describe(draw);
        }
    }
}

TEST(anagram_search, the_joker_gives_the_same_list_in_any_position) {
    for (std::u16string_view letters :
         {u"A", u"AB", u"CHIEN", u"ARRANG", u"ESARINTE", u"EEEEEEEE", u"SSSSSSAA", u"ZZZ"}) {
        const auto atEnd = Words(std::u16string(letters) + u"?");
        for (size_t at = 0; at < letters.size(); ++at) {
            std::u16string draw(letters);
            draw.insert(at, 1, u'?');
            EXPECT_EQ(Words(draw), atEnd) << Describe(draw);
        }
    }
}

TEST(anagram_search, characters_other_than_letters_and_the_joker_find_nothing) {
    // Each row has a twin, with the odd character replaced by the joker, that does find words.
    struct Row {
        std::u16string draw;
        std::u16string twin;
    };
    const std::vector<Row> rows = {
        {u"CHIÉN", u"CHI?N"},
        {u"É?", u"E?"},
        {u"?é", u"?e"},
        {u"CH1EN", u"CH?EN"},
        {u"CH EN", u"CH?EN"},
        {u"ŒUF", u"?UF"},
        {u"ÆS", u"?S"},
        {std::u16string(u"CHI\0N", 5), u"CHI?N"},
        {u"CHI\U0001F600", u"CHIEN?"},
        {u"-ES", u"?ES"},
        {u"@S", u"?S"},
        {u"[S", u"?S"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Words(row.draw), std::vector<std::u16string>{}) << Describe(row.draw);
        EXPECT_FALSE(Words(row.twin).empty()) << Describe(row.twin);
    }
}

// Every length slice, its first and last words, and a spread of words between: each, as a
// draw, finds itself, with the joker in place of any one of its letters too.
TEST(anagram_search, words_of_the_list_find_themselves_with_or_without_the_joker) {
    std::vector<int> positions;
    for (int length = MinScrabbleLength; length <= MaxScrabbleLength; ++length) {
        positions.push_back(ScrabbleLengthRange(length).first);
        positions.push_back(ScrabbleLengthRange(length).last);
    }
    for (int position = 1; position <= Scrabble().count(); position += 2003)
        positions.push_back(position);
    for (int position : positions) {
        const std::u16string word(Scrabble().atPosition(position));
        auto findsWord = [&](const std::u16string& draw) {
            const auto found = Words(draw);
            return std::find(found.begin(), found.end(), word) != found.end();
        };
        EXPECT_TRUE(findsWord(word)) << Describe(word);
        EXPECT_TRUE(findsWord(ToLower(word))) << Describe(ToLower(word));
        for (size_t at = 0; at < word.size(); ++at) {
            std::u16string draw = word;
            draw[at] = u'?';
            EXPECT_TRUE(findsWord(draw)) << Describe(draw) << " for " << ToUtf8(word);
        }
    }
}

// Random draws, half made from shuffled words of the list (some with a letter changed, some
// with the joker), half from letters drawn by their frequency in French.
std::u16string RandomDraw(std::mt19937& random) {
    static const std::u16string_view frequent =
        u"EEEEEEEEEEEEEEESSSSSSSSAAAAAAAIIIIIIINNNNNNNRRRRRRRTTTTTTTUUUUUOOOOOLLLLLCCCDDDMMMPPG"
        u"BVHFQJXYZKW";
    std::u16string draw;
    if (random() % 2 == 0) {
        draw = Scrabble()[static_cast<int>(random() % Scrabble().count())];
        std::shuffle(draw.begin(), draw.end(), random);
        if (random() % 3 == 0) draw[random() % draw.size()] = frequent[random() % frequent.size()];
    } else {
        draw.resize(MinScrabbleLength + random() % (MaxScrabbleLength - MinScrabbleLength + 1));
        for (auto& c : draw) c = frequent[random() % frequent.size()];
    }
    if (random() % 2 == 0) draw[random() % draw.size()] = u'?';
    if (random() % 4 == 0) draw = ToLower(draw);
    return draw;
}

TEST(anagram_search, agrees_with_a_letter_count_oracle_on_random_draws) {
    std::mt19937 random(20240611);
    int drawsWithWords = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::u16string draw = RandomDraw(random);
        const auto words = Words(draw);
        ASSERT_EQ(words, OracleWords(draw)) << Describe(draw);
        drawsWithWords += !words.empty();
    }
    // The draws must exercise the matching path, not only the empty one.
    EXPECT_GT(drawsWithWords, 1000);
}

TEST(anagram_search, a_list_shorter_than_its_tables_is_searched_where_it_has_words) {
    const std::string bytes = "ES\r\nSE\r\nCHIEN";
    const WordList shortList = WordList::FromWindows1252(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    const WordList empty;
    struct Row {
        const WordList* list;
        std::u16string draw;
        std::vector<std::u16string_view> words;
    };
    const std::vector<Row> rows = {
        {&shortList, u"SE", {u"ES", u"SE"}},
        {&shortList, u"?E", {u"ES", u"SE"}},
        {&shortList, u"CHIEN", {}},
        {&shortList, u"ESARINT?E", {}},
        {&empty, u"AB", {}},
        {&empty, u"ESARINT?E", {}},
    };
    for (const auto& row : rows) {
        const AnagramOutcome outcome = AnagramSearch(row.draw, *row.list);
        EXPECT_EQ(outcome.status, AnagramStatus::Found) << Describe(row.draw);
        EXPECT_EQ(outcome.words, row.words) << Describe(row.draw);
    }
}

}  // namespace
}  // namespace quillex
