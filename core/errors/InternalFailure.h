#pragma once

#include <stdexcept>
#include <string>

namespace quillex {

/// Numbers carried by failures, in the numbering users of the original tools know.
enum class FailureCode {
    IndexOutOfRange = 9,
    OutOfMemory = 7,
    FileNotFound = 53,
    BadFileFormat = 321,
    ResourceNotFound = 326,
    DataMismatch = 380,
};

/// A failure with a French description and a numeric code, as the internal-error report shows it.
class InternalFailure : public std::runtime_error {
  public:
    InternalFailure(std::u16string description, FailureCode code);

    const std::u16string& description() const { return description_; }
    int code() const { return static_cast<int>(code_); }

  private:
    std::u16string description_;
    FailureCode code_;
};

}  // namespace quillex
