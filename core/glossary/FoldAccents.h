#pragma once

#include <string>
#include <string_view>

namespace quillex {

/// Capitals without accents, for comparisons that disregard both: "é", "É" and "e" all give
/// "E", "œ" gives "OE", "æ" "AE", "ß" "SS"; combining accents are dropped, other characters stay.
std::u16string FoldAccents(std::u16string_view text);

}  // namespace quillex
