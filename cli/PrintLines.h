#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace quillex::cli {

/// Prints words or lines of the lists (Windows-1252 bytes) as UTF-8, one per line, in blocks of
/// about 64 KiB, each written as it fills.
void PrintLines(std::ostream& out, std::span<const std::string_view> lines);

}  // namespace quillex::cli
