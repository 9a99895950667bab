#pragma once

#include <string_view>
#include <vector>

#include "core/pattern/WildcardPattern.h"
#include "core/wordlists/WordList.h"

namespace quillex {

/// The word lengths, within 3..15, a pattern may reach: its fixed length, or from there up to
/// 15 when it holds a run. Empty (first > last) when no length of 3..15 fits.
struct WildcardLengths {
    int first;
    int last;
};

/// The lengths of 3..15 a pattern's words may have.
WildcardLengths LengthsOf(const WildcardPattern& pattern);

/// The words of 3..15 letters in the main list that fit the pattern, in list order. Throws
/// InternalFailure when the list disagrees with its length table. The views point into
/// `mainList`'s bytes.
std::vector<std::string_view> ScanWildcard(const WildcardPattern& pattern,
                                           const WordList& mainList);

}  // namespace quillex
