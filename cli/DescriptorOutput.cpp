#include "cli/DescriptorOutput.h"

#include <unistd.h>

#include <cerrno>

namespace quillex::cli {

DescriptorOutput::DescriptorOutput(int descriptor) : descriptor_(descriptor) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() {
    writeBuffer();
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!writeBuffer()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync() {
    return writeBuffer() ? 0 : -1;
}

bool DescriptorOutput::writeBuffer() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(descriptor_, next, static_cast<size_t>(pptr() - next));
        if (written > 0)
            next += written;
        else if (written < 0 && errno != EINTR)
            error_ = errno;
        else if (written == 0)
            error_ = EIO;  // a device that takes nothing would loop for ever
    }
    // Once a write has failed the rest is dropped: the output is lost either way.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

}  // namespace quillex::cli
