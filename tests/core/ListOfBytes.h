// Bytes and lists that view a test's own text.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/wordlists/WordList.h"

namespace quillex::test {

// The bytes of a test's text, as a resource's bytes are handed to a reader; they view `text`.
inline std::span<const unsigned char> AsBytes(std::string_view text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// The list views `bytes`, which must outlive it; a temporary string would leave it dangling.
inline WordList ListOfBytes(const std::string& bytes) {
    return WordList::FromWindows1252(AsBytes(bytes));
}
WordList ListOfBytes(std::string&&) = delete;

}  // namespace quillex::test
