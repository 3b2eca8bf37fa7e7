#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

// The rows of the parameterized suites carry their own names. RowName names each test after its
// row, so a failure reads ".../largest_sum_shown" rather than ".../3"; GoogleTest refuses a name
// that is not an identifier or that two rows share, so every table is checked for unique,
// readable names when it runs.
struct RowName
{
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};

namespace rowname {

template <typename Row>
concept NamedRow = requires(const Row &row)
{
    std::string_view(row.name);
};

// GoogleTest would print a row as its bytes; a test file brings this in beside its rows
// (using rowname::PrintTo) so that a failing row is shown by its name.
template <NamedRow Row>
void PrintTo(const Row &row, std::ostream *out) // NOLINT(readability-identifier-naming)
{
    *out << std::string_view(row.name);
}

} // namespace rowname
