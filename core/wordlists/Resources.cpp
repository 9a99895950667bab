#include "core/wordlists/Resources.h"

#include <array>

#include "core/wordlists/DataTables.h"

// Symbols defined by EmbeddedResources.S, which includes the files of data/ byte for byte.
extern "C" {
#define QUILLEX_DECLARE(constant, name, id, count, lengthSlices) \
    extern const unsigned char quillex_##name##_begin[];         \
    extern const unsigned char quillex_##name##_end[];
QUILLEX_RESOURCES(QUILLEX_DECLARE)
#undef QUILLEX_DECLARE
}

namespace quillex {
namespace {

struct Resource {
    std::string_view typeName;
    int id;
    const unsigned char* begin;
    const unsigned char* end;
};

#define QUILLEX_ROW(constant, name, id, count, lengthSlices) \
    Resource{#name, id, quillex_##name##_begin, quillex_##name##_end},
const Resource kResources[] = {QUILLEX_RESOURCES(QUILLEX_ROW)};
#undef QUILLEX_ROW

}  // namespace

std::optional<std::span<const unsigned char>> ReadResource(std::string_view typeName, int id) {
    for (const auto& resource : kResources) {
        if (resource.typeName == typeName && resource.id == id)
            return std::span<const unsigned char>(resource.begin, resource.end);
    }
    return std::nullopt;
}

}  // namespace quillex
