#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quillex {

/// The bytes of a resource built into the program, by type name and id; nullopt if none.
std::optional<std::span<const unsigned char>> ReadResource(std::string_view typeName, int id);

}  // namespace quillex
