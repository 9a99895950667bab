#include "core/anagram/AnagramSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/anagram/MarkedWord.h"
#include "core/text/Text.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/LoadWordList.h"
#include "tests/core/ExpectRows.h"
#include "tests/core/ListOfBytes.h"

namespace quillex {
namespace {

std::vector<std::u16string> Words(std::u16string_view draw) {
    const AnagramOutcome outcome = AnagramSearch(draw, ScrabbleList());
    EXPECT_EQ(outcome.status, AnagramStatus::Found) << ToUtf8(draw);
    std::vector<std::u16string> words;
    for (const std::string_view word : outcome.words) words.push_back(DecodeWindows1252(word));
    return words;
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
        for (int i = 0; i < ScrabbleList().count(); ++i)
            index[Sorted(DecodeWindows1252(ScrabbleList()[i]))].push_back(i);
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
    for (int i : positions) found.push_back(DecodeWindows1252(ScrabbleList()[i]));
    return found;
}

TEST(anagram_search, refuses_short_draws_then_extra_jokers_then_long_draws) {
    struct Row {
        std::u16string draw;
        AnagramStatus status;
        bool twoJokers = false;
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
        {u"?", AnagramStatus::DrawTooShort, true},
        {u"??", AnagramStatus::Found, true},
        {u"ES?AR?INT", AnagramStatus::Found, true},
        {u"???", AnagramStatus::MoreThanTwoJokers, true},
        {u"A?B??", AnagramStatus::MoreThanTwoJokers, true},
        {u"??????????", AnagramStatus::MoreThanTwoJokers, true},
        {u"ESARINT??E", AnagramStatus::DrawTooLong, true},
    };
    for (const auto& row : rows) {
        const AnagramOutcome outcome =
            AnagramSearch({.draw = row.draw, .twoJokers = row.twoJokers}, ScrabbleList());
        EXPECT_EQ(outcome.status, row.status) << Describe(row.draw);
        if (row.status != AnagramStatus::Found) {
            EXPECT_TRUE(outcome.words.empty()) << Describe(row.draw);
        }
    }
}

TEST(anagram_search, lists_exact_anagrams_in_list_order) {
    test::ExpectRows(
        Words,
        {
            {u"CHIEN", {u"CHENI", u"CHIEN", u"CHINE", u"NICHE"}},
            {u"chien", {u"CHENI", u"CHIEN", u"CHINE", u"NICHE"}},
            {u"cHiEn", {u"CHENI", u"CHIEN", u"CHINE", u"NICHE"}},
            {u"ORANGE", {u"ONAGRE", u"ORANGE", u"ORGANE", u"RONGEA"}},
            {u"ES", {u"ES", u"SE"}},
            {u"AB", {u"BA"}},
            {u"ZZ", {}},
            {u"ESARINTEE", {u"RAINETEES"}},
            {u"ETRANGERS", {u"ETRANGERS", u"RENTRAGES"}},
            {u"?A", {u"AA", u"AH", u"AI", u"AN", u"AS", u"AU", u"AY", u"BA", u"CA", u"DA", u"FA",
                     u"HA", u"JA", u"KA", u"LA", u"MA", u"NA", u"RA", u"SA", u"TA", u"VA"}},
            {u"?AB",
             {u"ABC", u"BAC", u"BAH", u"BAI", u"BAL", u"BAN", u"BAO", u"BAR", u"BAS", u"BAT",
              u"BAU", u"BEA", u"BOA", u"CAB", u"DAB", u"JAB", u"OBA", u"RAB"}},
            {u"CHIEN?", {u"CHAINE", u"CHEMIN", u"CHENIL", u"CHENIN", u"CHENIS", u"CHENIT",
                         u"CHIENS", u"CHIENT", u"CHIGNE", u"CHINDE", u"CHINEE", u"CHINER",
                         u"CHINES", u"CHINEZ", u"ECHINA", u"ECHINE", u"INCHES", u"LICHEN",
                         u"NICHEE", u"NICHER", u"NICHES", u"NICHET", u"NICHEZ"}},
            {u"MM?", {u"MMM"}},
            {u"?ZZ", {}},
        });
}

// Words with the draw's letters in other numbers, even with an equal sum of codes, are not
// anagrams: PATATE is not APPETE, ARRANGE is not GARENNE.
TEST(anagram_search, compares_letter_counts_not_code_sums) {
    test::ExpectRows(Words, {
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
                            });
}

// Draws with a letter drawn many times give their true result, whatever the number of words
// sharing those letters.
TEST(anagram_search, many_repeated_letters_give_their_true_result) {
    test::ExpectRows(Words, {
                                {u"EEEEEEEEE", {}},
                                {u"EEEEEEEE?", {}},
                                {u"EEEEESSSS", {}},
                                {u"EEEEESSS?", {}},
                                {u"SASSASSES", {u"SASSASSES"}},
                                {u"SSSSSSAA?", {u"SASSASSES"}},
                                {u"SSSSSSSAE", {}},
                            });
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
        positions.push_back(ScrabbleLengthSlice(length).first);
        positions.push_back(ScrabbleLengthSlice(length).last);
    }
    for (int position = 1; position <= ScrabbleList().count(); position += 2003)
        positions.push_back(position);
    for (int position : positions) {
        const std::u16string word = DecodeWindows1252(ScrabbleList().atPosition(position));
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

std::vector<std::u16string> MarkedWords(const AnagramOutcome& outcome) {
    EXPECT_EQ(outcome.words.size(), outcome.freeLetterPlaces.size());
    std::vector<std::u16string> marked;
    for (size_t i = 0; i < outcome.words.size() && i < outcome.freeLetterPlaces.size(); ++i)
        marked.push_back(
            DecodeWindows1252(MarkedWord(outcome.words[i], outcome.freeLetterPlaces[i])));
    return marked;
}

std::string Describe(const AnagramQuery& query) {
    return Describe(query.draw) + (query.shorterWords ? " shorter" : "") +
           (query.boardLetter ? " plus" : "") + (query.twoJokers ? " two jokers" : "");
}

// The extras, with the letters the drawn ones do not supply in lower case. Expected lists were
// taken from data/LISTESCRAB with a script that compares letter counts.
TEST(anagram_search, options_add_longer_then_shorter_words_with_free_letters_marked) {
    struct Row {
        AnagramQuery query;
        std::vector<std::u16string> marked;
    };
    const std::vector<Row> rows = {
        {{.draw = u"CHIEN"}, {u"CHENI", u"CHIEN", u"CHINE", u"NICHE"}},
        {{.draw = u"CHIEN?"},
         {u"CHaINE", u"CHEmIN", u"CHENIl", u"CHENIn", u"CHENIs", u"CHENIt", u"CHIENs", u"CHIENt",
          u"CHIgNE", u"CHINdE", u"CHINEe", u"CHINEr", u"CHINEs", u"CHINEz", u"ECHINa", u"ECHINe",
          u"INCHEs", u"lICHEN", u"NICHEe", u"NICHEr", u"NICHEs", u"NICHEt", u"NICHEz"}},
        {{.draw = u"chien", .shorterWords = true},
         {u"CHENI", u"CHIEN", u"CHINE", u"NICHE", u"CHIE", u"CINE", u"HEIN",
          u"INCH",  u"CHI",   u"HIC",   u"HIE",   u"NIE",  u"CE",   u"CI",
          u"EH",    u"EN",    u"HE",    u"HI",    u"IN",   u"NE",   u"NI"}},
        {{.draw = u"CHIEN", .boardLetter = true},
         {u"CHaINE", u"CHEmIN", u"CHENIl", u"CHENIn", u"CHENIs", u"CHENIt", u"CHIENs",
          u"CHIENt", u"CHIgNE", u"CHINdE", u"CHINEe", u"CHINEr", u"CHINEs", u"CHINEz",
          u"ECHINa", u"ECHINe", u"INCHEs", u"lICHEN", u"NICHEe", u"NICHEr", u"NICHEs",
          u"NICHEt", u"NICHEz", u"CHENI",  u"CHIEN",  u"CHINE",  u"NICHE"}},
        {{.draw = u"AS", .boardLetter = true},
         {u"AaS", u"AiS", u"AnS", u"ArS", u"ASa", u"ASe", u"AyS", u"bAS", u"cAS", u"jAS",
          u"kAS", u"lAS", u"mAS", u"oSA", u"pAS", u"rAS", u"SAc", u"SAi", u"SAr", u"SAs",
          u"SAx", u"SkA", u"SpA", u"SuA", u"tAS", u"uSA", u"vAS", u"AS",  u"SA"}},
        {{.draw = u"AB?", .shorterWords = true},
         {u"ABc", u"BAc", u"BAh", u"BAi", u"BAl", u"BAn", u"BAo", u"BAr", u"BAs", u"BAt", u"BAu",
          u"BeA", u"BoA", u"cAB", u"dAB", u"jAB", u"oBA", u"rAB", u"Aa",  u"Ah",  u"Ai",  u"An",
          u"As",  u"Au",  u"Ay",  u"BA",  u"Be",  u"Bi",  u"Bu",  u"cA",  u"dA",  u"fA",  u"hA",
          u"jA",  u"kA",  u"lA",  u"mA",  u"nA",  u"rA",  u"sA",  u"tA",  u"vA"}},
        {{.draw = u"EE?"},
         {u"bEE", u"ErE", u"EtE", u"EuE", u"EvE", u"EwE", u"fEE", u"nEE", u"rEE", u"tEE", u"zEE"}},
        {{.draw = u"ZZ?", .shorterWords = true, .boardLetter = true},
         {u"buZZ", u"fiZZ", u"jaZZ", u"ZiZi", u"ZoZo"}},
        {{.draw = u"ZEN", .shorterWords = true, .boardLetter = true},
         {u"NaZE", u"NiEZ", u"NuEZ", u"oNZE", u"ZENd", u"ZENs", u"ZoNE", u"ZuNE", u"NEZ", u"ZEN",
          u"EN", u"NE"}},
        {{.draw = u"ZZ?", .shorterWords = true}, {}},
        {{.draw = u"STATUT", .shorterWords = true},
         {u"STATUT", u"TUTAS", u"TUTAT", u"SAUT", u"STAT", u"SUAT", u"TATS", u"TAUS",
          u"TUAS",   u"TUAT",  u"TUTA",  u"USAT", u"SUA",  u"SUT",  u"TAS",  u"TAT",
          u"TAU",    u"TUA",   u"TUS",   u"TUT",  u"USA",  u"AS",   u"AU",   u"SA",
          u"SU",     u"TA",    u"TU",    u"US",   u"UT"}},
        {{.draw = u"ESARINTEE", .boardLetter = true}, {u"RAINETEES"}},
        {{.draw = u"W??", .twoJokers = true},
         {u"daW", u"eWe", u"kWa", u"Wad", u"Wap", u"Wax", u"Web", u"Woh", u"Wok", u"Won", u"Wus"}},
        {{.draw = u"W?", .shorterWords = true, .boardLetter = true},
         {u"daW", u"eWe", u"kWa", u"Wad", u"Wap", u"Wax", u"Web", u"Woh", u"Wok", u"Won", u"Wus",
          u"Wu"}},
        {{.draw = u"?KW?", .twoJokers = true},
         {u"KaWa", u"KiWi", u"KWas", u"WiKi", u"WoKe", u"WoKs"}},
        {{.draw = u"CHIÉN", .shorterWords = true, .boardLetter = true}, {}},
        {{.draw = u"SSSSSSSSA", .shorterWords = true}, {u"SAS", u"AS", u"SA"}},
        {{.draw = u"SSSSSSSS?", .shorterWords = true},
         {u"SaS", u"SeS", u"SiS", u"SuS", u"aS", u"eS", u"oS", u"Sa", u"Se", u"Si", u"Su", u"uS"}},
    };
    for (const auto& row : rows) {
        const AnagramOutcome outcome = AnagramSearch(row.query, ScrabbleList());
        EXPECT_EQ(outcome.status, AnagramStatus::Found) << Describe(row.query);
        EXPECT_EQ(MarkedWords(outcome), row.marked) << Describe(row.query);
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
        draw =
            DecodeWindows1252(ScrabbleList()[static_cast<int>(random() % ScrabbleList().count())]);
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

// The plain definition by letter counts, over every word of the list for each query: a word of
// the draw's length n, or of n + 1 with the board letter, holds every drawn letter and as many
// letters more as the draw has jokers, plus the board letter; a shorter word holds no more
// letters beyond the drawn ones than the draw has jokers. Those letters are lower case at their
// last places.
std::vector<std::u16string> ReferenceMarkedWords(const AnagramQuery& query) {
    // Plain arrays: thousands of queries over the whole list must run in seconds unoptimised.
    struct Indexed {
        std::vector<uint8_t> counts;  // 26 per word
        std::vector<std::vector<int>> byLength;
    };
    static const Indexed list = [] {
        Indexed indexed;
        indexed.counts.resize(26 * static_cast<size_t>(ScrabbleList().count()));
        for (int i = 0; i < ScrabbleList().count(); ++i) {
            const auto word = ScrabbleList()[i];
            for (const char16_t c : word) ++indexed.counts[26 * i + (c - u'A')];
            if (indexed.byLength.size() <= word.size()) indexed.byLength.resize(word.size() + 1);
            indexed.byLength[word.size()].push_back(i);
        }
        return indexed;
    }();
    std::u16string letters = ToUpper(query.draw);
    const int jokers = static_cast<int>(std::erase(letters, u'?'));
    const auto drawn = CountLetters(letters);
    if (!drawn) return {};
    const int n = static_cast<int>(query.draw.size());
    std::vector<int> lengths;
    if (query.boardLetter) lengths.push_back(n + 1);
    lengths.push_back(n);
    for (int shorter = n - 1; query.shorterWords && shorter >= 2; --shorter)
        lengths.push_back(shorter);
    int drawnCounts[26];
    std::copy(drawn->begin(), drawn->end(), drawnCounts);
    std::vector<std::u16string> marked;
    for (const int length : lengths) {
        if (length >= static_cast<int>(list.byLength.size())) continue;
        const int allowed = length >= n ? jokers + (length - n) : jokers;
        for (const int i : list.byLength[length]) {
            const uint8_t* counts = &list.counts[26 * static_cast<size_t>(i)];
            int beyondDrawn = 0;
            bool holdsDrawn = true;
            for (int l = 0; l < 26 && beyondDrawn <= allowed; ++l) {
                const int more = counts[l] - drawnCounts[l];
                if (more > 0) beyondDrawn += more;
                if (more < 0) holdsDrawn = false;
            }
            const bool fits =
                length >= n ? holdsDrawn && beyondDrawn == allowed : beyondDrawn <= allowed;
            if (!fits) continue;
            std::u16string word = DecodeWindows1252(ScrabbleList()[i]);
            int beyond[26];
            for (int l = 0; l < 26; ++l) beyond[l] = std::max(0, counts[l] - drawnCounts[l]);
            for (auto at = word.rbegin(); at != word.rend(); ++at)
                if (beyond[*at - u'A'] > 0) --beyond[*at - u'A'], *at = *at - u'A' + u'a';
            marked.push_back(word);
        }
    }
    return marked;
}

// Random queries over the draws above: the plain search, each extra and their mixes, with one
// or two jokers. Each agrees with the letter-count reference, words, order and marks alike; the
// plain search also with the oracle of sorted letters.
TEST(anagram_search, agrees_with_a_letter_count_oracle_on_random_draws) {
    std::mt19937 random(20240611);
    int drawsWithWords = 0;
    int queriesWithExtras = 0;
    for (int n = 0; n < 3000; ++n) {
        std::u16string draw = RandomDraw(random);
        // Shorter words are the slow case of an unoptimised build: one query in four.
        const bool shorterWords = random() % 4 == 0;
        const bool boardLetter = random() % 2 == 0;
        const bool twoJokers = random() % 2 == 0;
        // Some draws get a joker or two more, some of them more than the query allows.
        for (int more = random() % 3 == 0 ? 1 + random() % 2 : 0; more > 0; --more)
            draw[random() % draw.size()] = u'?';
        const AnagramQuery query{.draw = draw,
                                 .shorterWords = shorterWords,
                                 .boardLetter = boardLetter,
                                 .twoJokers = twoJokers};
        const bool extras = shorterWords || boardLetter || twoJokers;
        const AnagramOutcome outcome = AnagramSearch(query, ScrabbleList());
        const auto jokers = std::count(draw.begin(), draw.end(), u'?');
        if (jokers > (twoJokers ? 2 : 1)) {
            ASSERT_EQ(outcome.status,
                      twoJokers ? AnagramStatus::MoreThanTwoJokers : AnagramStatus::TooManyJokers)
                << Describe(query);
            ASSERT_TRUE(outcome.words.empty()) << Describe(query);
            continue;
        }
        ASSERT_EQ(outcome.status, AnagramStatus::Found) << Describe(query);
        ASSERT_EQ(MarkedWords(outcome), ReferenceMarkedWords(query)) << Describe(query);
        if (!extras) {
            std::vector<std::u16string> decoded;
            for (const std::string_view word : outcome.words)
                decoded.push_back(DecodeWindows1252(word));
            ASSERT_EQ(decoded, OracleWords(draw)) << Describe(draw);
        }
        drawsWithWords += !outcome.words.empty();
        queriesWithExtras += extras && !outcome.words.empty();
    }
    // The draws must exercise the matching path, not only the empty one.
    EXPECT_GT(drawsWithWords, 1000);
    EXPECT_GT(queriesWithExtras, 1000);
}

TEST(anagram_search, a_list_shorter_than_its_tables_is_searched_where_it_has_words) {
    const std::string bytes = "ES\r\nSE\r\nCHIEN";
    const WordList shortList = test::ListOfBytes(bytes);
    const WordList empty;
    struct Row {
        const WordList* list;
        std::u16string draw;
        std::vector<std::string_view> words;
    };
    const std::vector<Row> rows = {
        {&shortList, u"SE", {"ES", "SE"}},
        {&shortList, u"?E", {"ES", "SE"}},
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
