#include "core/wordlists/Resources.h"

#include <array>

// Symbols defined by EmbeddedResources.S, which includes the files of data/ byte for byte.
extern "C" {
#define QUILLEX_DECLARE(name)                  \
    extern const unsigned char name##_begin[]; \
    extern const unsigned char name##_end[];
QUILLEX_DECLARE(quillex_LISTEDESMOTS)
QUILLEX_DECLARE(quillex_LISTESCRAB)
QUILLEX_DECLARE(quillex_LISTESYNONYMES)
QUILLEX_DECLARE(quillex_MOT23LETTRES)
QUILLEX_DECLARE(quillex_FORMESLEMMES)
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

const std::array<Resource, 5> kResources = {{
    {"LISTEDESMOTS", 101, quillex_LISTEDESMOTS_begin, quillex_LISTEDESMOTS_end},
    {"LISTESCRAB", 102, quillex_LISTESCRAB_begin, quillex_LISTESCRAB_end},
    {"LISTESYNONYMES", 103, quillex_LISTESYNONYMES_begin, quillex_LISTESYNONYMES_end},
    {"MOT23LETTRES", 104, quillex_MOT23LETTRES_begin, quillex_MOT23LETTRES_end},
    {"FORMESLEMMES", 105, quillex_FORMESLEMMES_begin, quillex_FORMESLEMMES_end},
}};

}  // namespace

std::optional<std::span<const unsigned char>> ReadResource(std::string_view typeName, int id) {
    for (const auto& resource : kResources) {
        if (resource.typeName == typeName && resource.id == id)
            return std::span<const unsigned char>(resource.begin, resource.end);
    }
    return std::nullopt;
}

}  // namespace quillex
