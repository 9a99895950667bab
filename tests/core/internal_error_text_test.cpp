#include "core/errors/InternalErrorText.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "core/errors/InternalFailure.h"

namespace quillex {
namespace {

TEST(internal_error_text, lays_out_description_spaces_line_break_place_and_code) {
    EXPECT_EQ(InternalErrorText(u"Ressource introuvable", ErrorPlaceCode::SynonymLoading, 326),
              u"Ressource introuvable                 \r\nErreur interne 101 - 326");
    EXPECT_EQ(InternalErrorText(u"", ErrorPlaceCode::HeadwordBrowser, 9),
              u"                 \r\nErreur interne 108 - 9");
}

TEST(internal_error_text, describes_caught_failures_in_french_with_their_number) {
    const InternalFailure known(u"Fichier introuvable", FailureCode::FileNotFound);
    EXPECT_EQ(DescribeFailure(known), u"Fichier introuvable");
    EXPECT_EQ(FailureNumber(known), 53);
    const std::out_of_range range("x");
    EXPECT_EQ(FailureNumber(range), 9);
    EXPECT_EQ(DescribeFailure(range), u"L'indice n'appartient pas à la sélection");
    EXPECT_EQ(FailureNumber(std::bad_alloc()), 7);
}

}  // namespace
}  // namespace quillex
