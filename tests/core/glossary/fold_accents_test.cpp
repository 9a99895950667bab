#include "core/glossary/FoldAccents.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillex {
namespace {

TEST(fold_accents, french_letters_fold_to_bare_capitals) {
    struct Row {
        std::u16string input;
        std::u16string expected;
    };
    const std::vector<Row> rows = {
        {u"été", u"ETE"},
        {u"ÉCU", u"ECU"},
        {u"ça", u"CA"},
        {u"Ïle", u"ILE"},
        {u"âme", u"AME"},
        {u"œil", u"OEIL"},
        {u"Œuvre", u"OEUVRE"},
        {u"ænéide", u"AENEIDE"},
        {u"ÆON", u"AEON"},
        {u"straße", u"STRASSE"},
        {u"àáâãäå èéêë ìíîï òóôõöø ùúûü ýÿ ñ", u"AAAAAA EEEE IIII OOOOOO UUUU YY N"},
        {u"Ÿ Š Ž š ž", u"Y S Z S Z"},
        {u"e\u0301te\u0301", u"ETE"},      // combining accents
        {u"a×b þ 1-2 ?", u"A×B Þ 1-2 ?"},  // not letters, or no bare letter: unchanged
        {u"", u""},
    };
    for (const auto& row : rows) EXPECT_EQ(FoldAccents(row.input), row.expected);
}

}  // namespace
}  // namespace quillex
