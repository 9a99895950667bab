// The count label and the notices of the pattern search.
#include <gtest/gtest.h>

#include "core/pattern/PatternMessages.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

TEST(pattern_messages, result_count_reads_none_one_or_many) {
    struct Row {
        std::size_t count;
        std::u16string_view text;
    };
    for (const Row& row :
         {Row{0, u"Aucun mot trouvé"}, Row{1, u"1 mot trouvé"}, Row{2, u"2 mots trouvés"},
          Row{27, u"27 mots trouvés"}, Row{12985, u"12985 mots trouvés"}}) {
        SCOPED_TRACE(row.count);
        EXPECT_EQ(ResultCountText(row.count), row.text);
    }
}

TEST(pattern_messages, joker_notice_reads_as_the_window_shows_it) {
    EXPECT_EQ(JokerLimitNoticeFirstLine,
              u"Le nombre de caractère joker '' ? '' est trop important.");
}

TEST(pattern_messages, refused_character_notice_keeps_its_six_trailing_spaces) {
    EXPECT_TRUE(InvalidCharNotice.starts_with(u"Seuls les caractères ''ABCDEF.....Z''"));
    EXPECT_TRUE(InvalidCharNotice.ends_with(u"autorisés.      "));
}

}  // namespace
}  // namespace quillex
