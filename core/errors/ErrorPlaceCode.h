#pragma once

namespace quillex {

/// Which handler reports an internal error; shown as three digits in the report.
enum class ErrorPlaceCode {
    SynonymLoading = 101,
    SynonymLookup = 102,
    PatternButton = 104,
    AnagramSearch = 105,
    PatternScan = 106,
    LicenceText = 107,
    HeadwordBrowser = 108,
};

}  // namespace quillex
