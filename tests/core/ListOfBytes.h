// Lists that view a test's own bytes.
#pragma once

#include <span>
#include <string>

#include "core/wordlists/WordList.h"

namespace quillex::test {

// The list views `bytes`, which must outlive it; a temporary string would leave it dangling.
inline WordList ListOfBytes(const std::string& bytes) {
    return WordList::FromWindows1252(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}
WordList ListOfBytes(std::string&&) = delete;

}  // namespace quillex::test
