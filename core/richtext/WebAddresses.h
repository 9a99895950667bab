#pragma once

#include <string>
#include <vector>

#include "core/richtext/RichRun.h"

namespace quillex {

/// Runs with every web address in their text ("https://…", "http://…", "www.…") split out into a
/// run of its own whose link is that address ("www." gets "https://"). Punctuation that ends a
/// sentence after an address is not part of it. Runs that already carry a link are kept whole.
std::vector<RichRun> LinkWebAddresses(std::vector<RichRun> runs);

}  // namespace quillex
