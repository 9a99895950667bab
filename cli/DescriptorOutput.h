#pragma once

#include <array>
#include <streambuf>

namespace quillex::cli {

/// A buffered stream buffer over a file descriptor that remembers why a write failed, so that
/// lost output can be reported with its cause instead of passing for success.
class DescriptorOutput : public std::streambuf {
  public:
    explicit DescriptorOutput(int descriptor);
    ~DescriptorOutput() override;

    /// The errno of the first failed write; 0 while every write has succeeded.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool writeBuffer();

    int descriptor_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_;
};

}  // namespace quillex::cli
