#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/pattern/Pattern.h"
#include "core/wordlists/WordList.h"

namespace quillex {

// The pattern search, one engine for the window and quillex-cli. A pattern of one length
// without a set is scanned two letters at a time (one 16-bit comparison per known pair); any
// other pattern position by position, length by length. Every entry point reads the words of
// the pattern's lengths (3..15) from the main list in list order, as views of its bytes, and
// throws InternalFailure when the list disagrees with its length table. Pattern::Parse reads a
// pattern's text.

/// The words of the main list that fit the pattern.
std::vector<std::string_view> FindWords(const Pattern& pattern, const WordList& mainList);

/// The same words handed over in blocks of a few hundred, in order, none of them kept: for a
/// caller that writes them out as they come.
void ScanWords(const Pattern& pattern, const WordList& mainList,
               const std::function<void(std::span<const std::string_view>)>& takeBlock);

/// How many words fit, none of them kept; from the length table alone when every word of the
/// pattern's lengths fits.
size_t CountWords(const Pattern& pattern, const WordList& mainList);

}  // namespace quillex
