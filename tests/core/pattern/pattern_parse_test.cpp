// Reading a pattern, and fitting one word to it.
#include "core/pattern/Pattern.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/Text.h"

namespace quillex {
namespace {

using Kind = PatternSyntaxError::Kind;

Pattern Read(std::u16string_view text) {
    auto parsed = Pattern::Parse(text);
    if (const auto* error = std::get_if<PatternSyntaxError>(&parsed))
        ADD_FAILURE() << "refused at " << error->offset;
    return std::get_if<Pattern>(&parsed) ? std::get<Pattern>(parsed) : Pattern();
}

TEST(pattern_parse, reads_lengths_and_runs) {
    struct Row {
        std::u16string_view text;
        int fixedLength;
        bool hasRun;
    };
    for (const Row& row : {Row{u"??E?????S", 9, false}, Row{u"CH*EN", 4, true}, Row{u"*", 0, true},
                           Row{u"A[EI]?", 3, false}, Row{u"[^AEIOUY]**?*", 2, true},
                           Row{u"a b", 3, false}, Row{u"", 0, false}, Row{u"[a-cX-Z]", 1, false}}) {
        SCOPED_TRACE(ToUtf8(row.text));
        const Pattern pattern = Read(row.text);
        EXPECT_EQ(pattern.fixedLength(), row.fixedLength);
        EXPECT_EQ(pattern.hasRun(), row.hasRun);
    }
    EXPECT_EQ(Read(u"A**B").symbols().size(), 3u);  // two runs in a row are one
}

TEST(pattern_parse, one_position_characters_are_what_the_letter_boxes_take) {
    for (char16_t c : std::u16string_view(u" aAzZmM?")) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_TRUE(IsOnePositionCharacter(c));
        const auto parsed = Pattern::Parse(std::u16string(1, c));
        ASSERT_TRUE(std::holds_alternative<Pattern>(parsed));
        EXPECT_EQ(std::get<Pattern>(parsed).fixedLength(), 1);
    }
    for (char16_t c : std::u16string_view(u"é5_-*É\t'œ[]\0")) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_FALSE(IsOnePositionCharacter(c));
    }
}

TEST(pattern_parse, refuses_malformed_text_and_says_where) {
    struct Row {
        std::u16string_view text;
        Kind kind;
        size_t offset;
        int position;
    };
    for (const Row& row :
         {Row{u"??é", Kind::RefusedCharacter, 2, 3}, Row{u"A_B", Kind::RefusedCharacter, 1, 2},
          Row{u"CH*5", Kind::RefusedCharacter, 3, 3}, Row{u"A[EI", Kind::UnclosedSet, 1, 2},
          Row{u"A[^", Kind::UnclosedSet, 1, 2}, Row{u"[]A", Kind::EmptySet, 0, 1},
          Row{u"A[^]", Kind::EmptySet, 1, 2}, Row{u"[A?]", Kind::NonLetterInSet, 2, 1},
          Row{u"[A-]", Kind::NonLetterInSet, 2, 1}, Row{u"[A-é]", Kind::NonLetterInSet, 3, 1},
          Row{u"?[E-A]", Kind::ReversedRange, 2, 2}, Row{u"AB]", Kind::StrayBracket, 2, 3}}) {
        SCOPED_TRACE(ToUtf8(row.text));
        const auto parsed = Pattern::Parse(row.text);
        const auto* error = std::get_if<PatternSyntaxError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->kind, row.kind);
        EXPECT_EQ(error->offset, row.offset);
        EXPECT_EQ(error->position, row.position);
    }
}

TEST(pattern_parse, fits_whole_words_only) {
    struct Row {
        std::u16string_view pattern;
        std::string_view word;  // Windows-1252 bytes, as the lists hold them
        bool fits;
    };
    for (const Row& row : {
             Row{u"CH*EN", "CHIEN", true},
             Row{u"CH*EN", "CHEN", true},
             Row{u"CH*EN", "CHIENS", false},
             Row{u"CH*EN", "ACHIEN", false},
             Row{u"*ISME", "ISME", true},
             Row{u"*ISME", "ATHEISME", true},
             Row{u"*", "", true},
             Row{u"A*B*C", "ABC", true},
             Row{u"A*B*C", "AXBXC", true},
             Row{u"A*B*C", "ACB", false},
             Row{u"*AB*AB*", "ABAB", true},
             Row{u"*AB*AB*", "ABA", false},
             Row{u"*ABA*", "ABABA", true},
             Row{u"?*?", "A", false},
             Row{u"A[EI]?", "AIL", true},
             Row{u"A[EI]?", "AUL", false},
             Row{u"A[^EI]?", "AUL", true},
             Row{u"A[^EI]?", "AIL", false},
             Row{u"[a-c]??", "BAL", true},
             Row{u"[a-c]??", "DAL", false},
             Row{u"qu?", "QUI", true},
             Row{u"A B", "A B", false},
             Row{u"A?", "AB", true},
             Row{u"A?", "ABC", false},
             Row{u"[^A-Z]", "\xC9", false},
             Row{u"?", "a", false},
         }) {
        SCOPED_TRACE(ToUtf8(row.pattern) + " / " + Windows1252ToUtf8(row.word));
        EXPECT_EQ(Read(row.pattern).fits(row.word), row.fits);
    }
}

}  // namespace
}  // namespace quillex
