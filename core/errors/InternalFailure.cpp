#include "core/errors/InternalFailure.h"

#include "core/text/Text.h"

namespace quillex {

InternalFailure::InternalFailure(std::u16string description, FailureCode code)
    : std::runtime_error(ToUtf8(description)), description_(std::move(description)), code_(code) {}

}  // namespace quillex
