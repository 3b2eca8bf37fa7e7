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

using TextToInt32 = testing::TestWithParam<Int32Row>;

TEST_P(TextToInt32, ReadsAndWritesBackTheSameText)
{
    const Int32Row &row = GetParam();
    EXPECT_EQ(textToInt32(row.text), row.value);
    // Writing the number back gives the same text: the panel's texts are a fixed point.
    EXPECT_EQ(int32ToText(row.value), row.text);
}

INSTANTIATE_TEST_SUITE_P(Edges, TextToInt32,
                         testing::Values(Int32Row{"zero", "0", 0}, Int32Row{"one", "1", 1},
                                         Int32Row{"minus_one", "-1", -1},
                                         Int32Row{"largest_sum_shown", "2147450880", 2147450880},
                                         Int32Row{"maximum", "2147483647", int32Max},
                                         Int32Row{"minimum", "-2147483648", int32Min},
                                         Int32Row{"house_10000", "10000", 10000}),
                         RowName{});

struct TextRow
{
    std::string_view name;
    std::string_view text;
};

// Texts that are no decimal number at all: both readings refuse them with a type mismatch.
using BadText = testing::TestWithParam<TextRow>;

TEST_P(BadText, IsNoInt32AndNoDouble)
{
    const TextRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), 13);
    EXPECT_EQ(errorNumberOf([&] { (void)textToDouble(row.text); }), 13);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadText,
    testing::Values(TextRow{"empty", ""}, TextRow{"letters", "abc"},
                    TextRow{"trailing_letters", "12ab"}, TextRow{"leading_blank", " 1"},
                    TextRow{"trailing_blank", "1 "}, TextRow{"plus_sign", "+1"},
                    TextRow{"grouping_separator", "1,000"}, TextRow{"decimal_comma", "1,5"},
                    TextRow{"lone_minus", "-"}),
    RowName{});

struct DoubleRow
{
    std::string_view name;
    std::string_view text;
    double value;
};

// Texts that only a double reads: a fraction or an exponent makes no integer (type mismatch),
// and digits beyond the 32-bit range overflow the 32-bit reading alone.
struct DoubleOnlyRow
{
    std::string_view name;
    std::string_view text;
    int int32Error;
    double value;
};

using DoubleOnlyText = testing::TestWithParam<DoubleOnlyRow>;

TEST_P(DoubleOnlyText, IsNoInt32ButADouble)
{
    const DoubleOnlyRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), row.int32Error);
    EXPECT_EQ(textToDouble(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, DoubleOnlyText,
    testing::Values(DoubleOnlyRow{"decimal_point", "1.5", 13, 1.5},
                    DoubleOnlyRow{"exponent", "1e3", 13, 1000.0},
                    DoubleOnlyRow{"maximum_plus_1", "2147483648", 6, 2147483648.0},
                    DoubleOnlyRow{"minimum_minus_1", "-2147483649", 6, -2147483649.0},
                    DoubleOnlyRow{"twenty_digits", "99999999999999999999", 6, 1e20}),
    RowName{});

using DoubleOutOfRange = testing::TestWithParam<TextRow>;

TEST_P(DoubleOutOfRange, Overflows)
{
    const TextRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToDouble(row.text); }), 6);
}

INSTANTIATE_TEST_SUITE_P(Edges, DoubleOutOfRange,
                         testing::Values(TextRow{"positive", "1e999"},
                                         TextRow{"negative", "-1e999"}),
                         RowName{});

using DoubleText = testing::TestWithParam<DoubleRow>;

TEST_P(DoubleText, ReadsAndWritesBackTheSameText)
{
    const DoubleRow &row = GetParam();
    EXPECT_EQ(textToDouble(row.text), row.value);
    EXPECT_EQ(doubleToText(row.value), row.text);
    // An integral float is written exactly as the integer would be.
    EXPECT_EQ(doubleToText(row.value), int32ToText(static_cast<std::int32_t>(row.value)));
}

INSTANTIATE_TEST_SUITE_P(Integral, DoubleText,
                         testing::Values(DoubleRow{"one", "1", 1.0},
                                         DoubleRow{"n_past_the_overflow", "65536", 65536.0},
                                         DoubleRow{"zero", "0", 0.0},
                                         DoubleRow{"negative", "-5", -5.0},
                                         DoubleRow{"int32_maximum", "2147483647", 2147483647.0}),
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

TEST(RuntimeError, CarriesNumberAndDescription)
{
    EXPECT_EQ(RuntimeError::overflow().number(), 6);
    EXPECT_EQ(RuntimeError::overflow().description(), "Overflow");
    EXPECT_EQ(RuntimeError::typeMismatch().number(), 13);
    EXPECT_EQ(RuntimeError::typeMismatch().description(), "Tipo non corrispondente");
}

} // namespace
