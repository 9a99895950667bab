#pragma once

#include <string>
#include <string_view>

#include "core/errors/ErrorPlaceCode.h"

namespace quillex {

/// The text of the internal-error report: description, 17 spaces, CR LF, "Erreur interne NNN - C".
std::u16string InternalErrorText(std::u16string_view description, ErrorPlaceCode place, int code);

/// The French description of a standard exception caught by a handler.
std::u16string DescribeFailure(const std::exception& failure);

/// The numeric code of a standard exception caught by a handler.
int FailureNumber(const std::exception& failure);

}  // namespace quillex
