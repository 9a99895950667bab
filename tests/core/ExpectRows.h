// Table-driven checks of a function: rows of an input and what the function gives for it.
#pragma once

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace quillex::test {

// One row: an input, and what the function under test gives for it.
template <typename Input, typename Expected>
struct Row {
    Input input;
    Expected expected;
};

// Checks `give` on every row, naming the input of each row it fails. The rows' types follow
// from the function's, so a table is written as plain braces.
template <typename Result, typename Input>
void ExpectRows(Result (*give)(Input),
                const std::vector<Row<std::decay_t<Input>, std::decay_t<Result>>>& rows) {
    for (const auto& row : rows)
        EXPECT_EQ(give(row.input), row.expected) << ::testing::PrintToString(row.input);
}

}  // namespace quillex::test
