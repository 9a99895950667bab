#include "core/synonyms/LookupHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/Text.h"

namespace quillex {
namespace {

using Texts = std::vector<std::u16string>;

TEST(lookup_history, keeps_each_text_once_in_windows_1252_code_order) {
    struct Row {
        Texts typed, expected;
    };
    const Row rows[] = {
        {{u"chien", u"chat"}, {u"chat", u"chien"}},
        {{u"chat", u"chat"}, {u"chat"}},
        {{u"chien", u"chat", u"chat", u"chien"}, {u"chat", u"chien"}},
        {{u"chat", u"Chat"}, {u"Chat", u"chat"}},      // capitals first
        {{u"chaton", u"chat"}, {u"chat", u"chaton"}},  // a prefix first
        {{u"été", u"zèbre", u"eté"}, {u"eté", u"zèbre", u"été"}},
        {{u"œil", u"zut"}, {u"zut", u"œil"}},  // 0x9C after z
        {{u"ôter", u"Ébène", u"Œil", u"àpre"}, {u"Œil", u"Ébène", u"àpre", u"ôter"}},  // Œ is 0x8C
        {{u"à", u"œuf"}, {u"œuf", u"à"}},
        {{u""}, {}},
    };
    for (const Row& row : rows) {
        LookupHistory history;
        for (const std::u16string& text : row.typed) history.add(text);
        EXPECT_EQ(history.texts(), row.expected);
    }
}

TEST(lookup_history, add_says_whether_the_text_was_new) {
    LookupHistory history;
    EXPECT_TRUE(history.add(u"chat"));
    EXPECT_FALSE(history.add(u"chat"));
    EXPECT_TRUE(history.add(u"Chat"));
    EXPECT_EQ(history.count(), 2);
}

TEST(lookup_history, is_not_capped_at_a_thousand_texts) {
    LookupHistory history;
    for (int i = 1500; i > 0; --i) history.add(FromUtf8("mot " + std::to_string(i)));
    EXPECT_EQ(history.count(), 1500);
    EXPECT_TRUE(std::is_sorted(history.texts().begin(), history.texts().end()));
}

TEST(lookup_history, texts_are_sorted_by_windows_1252_code_position_by_position) {
    LookupHistory history;
    for (std::u16string_view text : {u"b", u"ab", u"a", u"B", u"à", u"aa", u"Œ", u"€", u"\u4E00"})
        history.add(text);
    EXPECT_EQ(history.texts(),
              (Texts{u"B", u"a", u"aa", u"ab", u"b", u"€", u"Œ", u"à", u"\u4E00"}));
}

}  // namespace
}  // namespace quillex
