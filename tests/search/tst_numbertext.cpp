#include "checkedint32.h"
#include "numbertext.h"
#include "rowname.h"
#include "runtimeerror.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string_view>
#include <utility>

// The panel's texts and 32-bit arithmetic, with the edges of the 32-bit range and the texts the
// program must refuse rather than read as 0.

using namespace ponderival;

namespace {

using rowname::PrintTo;

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

// The number of the run-time error the call raises, or 0 when it raises none.
template <typename Call> int errorNumberOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

struct Int32Row
{
    std::string_view name;
    std::string_view text;
    std::int32_t value;
};

using IntegralText = testing::TestWithParam<Int32Row>;

// Writing the number back gives the same text, the panel's texts being a fixed point; a double
// reads the text as the integer does and is written exactly as the integer would be.
TEST_P(IntegralText, ReadsAndWritesBackTheSameTextEitherWay)
{
    const Int32Row &row = GetParam();
    EXPECT_EQ(textToInt32(row.text), row.value);
    EXPECT_EQ(int32ToText(row.value), row.text);
    EXPECT_EQ(textToDouble(row.text), static_cast<double>(row.value));
    EXPECT_EQ(doubleToText(static_cast<double>(row.value)), row.text);
}

INSTANTIATE_TEST_SUITE_P(Edges, IntegralText,
                         testing::Values(Int32Row{"zero", "0", 0}, Int32Row{"one", "1", 1},
                                         Int32Row{"minus_one", "-1", -1},
                                         Int32Row{"negative", "-5", -5},
                                         Int32Row{"n_past_the_overflow", "65536", 65536},
                                         Int32Row{"largest_sum_shown", "2147450880", 2147450880},
                                         Int32Row{"maximum", "2147483647", int32Max},
                                         Int32Row{"minimum", "-2147483648", int32Min},
                                         Int32Row{"house_10000", "10000", 10000}),
                         RowName{});

// The error each reading raises, 0 for none, and what the double reading then reads.
struct RefusedRow
{
    std::string_view name;
    std::string_view text;
    int int32Error;
    int doubleError;
    double value;
};

using RefusedText = testing::TestWithParam<RefusedRow>;

TEST_P(RefusedText, RaisesEachReadingsError)
{
    const RefusedRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), row.int32Error);
    double value = 0;
    EXPECT_EQ(errorNumberOf([&] { value = textToDouble(row.text); }), row.doubleError);
    EXPECT_EQ(value, row.value);
}

// Texts that are no decimal number at all: both readings refuse them with a type mismatch.
INSTANTIATE_TEST_SUITE_P(NoNumber, RefusedText,
                         testing::Values(RefusedRow{"empty", "", 13, 13, 0},
                                         RefusedRow{"letters", "abc", 13, 13, 0},
                                         RefusedRow{"trailing_letters", "12ab", 13, 13, 0},
                                         RefusedRow{"leading_blank", " 1", 13, 13, 0},
                                         RefusedRow{"trailing_blank", "1 ", 13, 13, 0},
                                         RefusedRow{"plus_sign", "+1", 13, 13, 0},
                                         RefusedRow{"grouping_separator", "1,000", 13, 13, 0},
                                         RefusedRow{"decimal_comma", "1,5", 13, 13, 0},
                                         RefusedRow{"lone_minus", "-", 13, 13, 0}),
                         RowName{});

// Texts that only a double reads: a fraction or an exponent makes no integer (type mismatch),
// and digits beyond the 32-bit range overflow the 32-bit reading alone; beyond the double's
// range, both refuse them.
INSTANTIATE_TEST_SUITE_P(
    NoInt32, RefusedText,
    testing::Values(RefusedRow{"decimal_point", "1.5", 13, 0, 1.5},
                    RefusedRow{"exponent", "1e3", 13, 0, 1000.0},
                    RefusedRow{"maximum_plus_1", "2147483648", 6, 0, 2147483648.0},
                    RefusedRow{"minimum_minus_1", "-2147483649", 6, 0, -2147483649.0},
                    RefusedRow{"twenty_digits", "99999999999999999999", 6, 0, 1e20},
                    RefusedRow{"beyond_the_double_range", "1e999", 13, 6, 0},
                    RefusedRow{"below_the_double_range", "-1e999", 13, 6, 0}),
    RowName{});

TEST(DoubleToText, MinusZeroReadsAsZero)
{
    EXPECT_EQ(doubleToText(-0.0), "0");
}

// Either the sum, or the overflow (6) and no sum at all.
struct SumRow
{
    std::string_view name;
    std::int32_t a;
    std::int32_t b;
    std::int32_t sum;
    int error;
};

using CheckedAdd = testing::TestWithParam<SumRow>;

TEST_P(CheckedAdd, AddsOrOverflowsEitherWayRound)
{
    const SumRow &row = GetParam();
    for (const std::pair<std::int32_t, std::int32_t> &operands :
         {std::pair{row.a, row.b}, std::pair{row.b, row.a}}) {
        std::int32_t sum = 0;
        EXPECT_EQ(errorNumberOf([&] { sum = checkedAdd(operands.first, operands.second); }),
                  row.error);
        EXPECT_EQ(sum, row.sum);
    }
}

INSTANTIATE_TEST_SUITE_P(InRange, CheckedAdd,
                         testing::Values(SumRow{"ordinary", 2, 3, 5, 0},
                                         SumRow{"up_to_maximum", int32Max - 1, 1, int32Max, 0},
                                         SumRow{"down_to_minimum", int32Min + 1, -1, int32Min, 0},
                                         SumRow{"opposite_edges", int32Max, int32Min, -1, 0},
                                         SumRow{"last_sum_before_overflow", 2147385345, 65535,
                                                2147450880, 0}),
                         RowName{});

INSTANTIATE_TEST_SUITE_P(OutOfRange, CheckedAdd,
                         testing::Values(SumRow{"maximum_plus_1", int32Max, 1, 0, 6},
                                         SumRow{"minimum_minus_1", int32Min, -1, 0, 6},
                                         SumRow{"maximum_plus_maximum", int32Max, int32Max, 0, 6},
                                         SumRow{"sum_at_n_65536", 2147450880, 65536, 0, 6}),
                         RowName{});

TEST(NarrowToInt32, KeepsTheEdgesAndRefusesBeyond)
{
    EXPECT_EQ(narrowToInt32(2147483647LL), int32Max);
    EXPECT_EQ(narrowToInt32(-2147483648LL), int32Min);
    EXPECT_EQ(errorNumberOf([] { (void)narrowToInt32(2147483648LL); }), 6);
    EXPECT_EQ(errorNumberOf([] { (void)narrowToInt32(-2147483649LL); }), 6);
}

} // namespace
