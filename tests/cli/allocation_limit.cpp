// Preloaded into quillex-cli by the CLI test: every allocation larger than
// QUILLEX_TEST_ALLOCATION_LIMIT bytes fails, as it would on a machine out of memory.
#include <cerrno>
#include <cstddef>
#include <cstdlib>

extern "C" void* __libc_malloc(std::size_t size);

extern "C" void* malloc(std::size_t size) {
    static const unsigned long long limit = [] {
        const char* text = std::getenv("QUILLEX_TEST_ALLOCATION_LIMIT");
        return text ? std::strtoull(text, nullptr, 10) : 0ULL;
    }();
    if (limit != 0 && size > limit) {
        errno = ENOMEM;
        return nullptr;
    }
    return __libc_malloc(size);
}
