#include "ui/app/MemoryRelease.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "core/wordlists/LoadWordList.h"
#include "core/wordlists/Resources.h"

namespace quillex::ui {
void ReleaseMemory() {
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    for (const WordListResource& resource : AllResources) {
        const auto bytes = ReadResource(resource.typeName, resource.id);
        if (!bytes) continue;
        // Only the pages wholly inside the resource: its neighbours on a shared page are
        // none of this function's business. The lists are read-only data mapped from the
        // program's files, so a page given back reads the same when next touched.
        const auto begin = reinterpret_cast<uintptr_t>(bytes->data());
        const uintptr_t first = (begin + page - 1) / page * page;
        const uintptr_t last = (begin + bytes->size()) / page * page;
        if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
    ::malloc_trim(0);
}

}  // namespace quillex::ui
