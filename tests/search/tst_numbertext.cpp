#include "checkedint32.h"
#include "numbertext.h"
#include "rowname.h"
#include "runtimeerror.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string_view>

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

class TextToInt32 : public testing::TestWithParam<Int32Row>
{
};

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
class BadText : public testing::TestWithParam<TextRow>
{
};

TEST_P(BadText, IsNoInt32)
{
    const TextRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), 13);
}

TEST_P(BadText, IsNoDouble)
{
    const TextRow &row = GetParam();
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

// A fraction or an exponent makes a decimal number, but not an integer.
class NonIntegerText : public testing::TestWithParam<DoubleRow>
{
};

TEST_P(NonIntegerText, IsNoInt32ButADouble)
{
    const DoubleRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), 13);
    EXPECT_EQ(textToDouble(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(Refused, NonIntegerText,
                         testing::Values(DoubleRow{"decimal_point", "1.5", 1.5},
                                         DoubleRow{"exponent", "1e3", 1000.0}),
                         RowName{});

// Digits beyond the 32-bit range: only the 32-bit reading overflows.
class OutOfRangeText : public testing::TestWithParam<DoubleRow>
{
};

TEST_P(OutOfRangeText, OverflowsInt32ButNotDouble)
{
    const DoubleRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToInt32(row.text); }), 6);
    EXPECT_EQ(textToDouble(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(Edges, OutOfRangeText,
                         testing::Values(DoubleRow{"maximum_plus_1", "2147483648", 2147483648.0},
                                         DoubleRow{"minimum_minus_1", "-2147483649", -2147483649.0},
                                         DoubleRow{"twenty_digits", "99999999999999999999", 1e20}),
                         RowName{});

class DoubleOutOfRange : public testing::TestWithParam<TextRow>
{
};

TEST_P(DoubleOutOfRange, Overflows)
{
    const TextRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)textToDouble(row.text); }), 6);
}

INSTANTIATE_TEST_SUITE_P(Edges, DoubleOutOfRange,
                         testing::Values(TextRow{"positive", "1e999"},
                                         TextRow{"negative", "-1e999"}),
                         RowName{});

class DoubleText : public testing::TestWithParam<DoubleRow>
{
};

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

struct SumRow
{
    std::string_view name;
    std::int32_t a;
    std::int32_t b;
    std::int32_t sum;
};

class CheckedAdd : public testing::TestWithParam<SumRow>
{
};

TEST_P(CheckedAdd, AddsEitherWayRound)
{
    const SumRow &row = GetParam();
    EXPECT_EQ(checkedAdd(row.a, row.b), row.sum);
    EXPECT_EQ(checkedAdd(row.b, row.a), row.sum);
}

INSTANTIATE_TEST_SUITE_P(
    InRange, CheckedAdd,
    testing::Values(SumRow{"ordinary", 2, 3, 5}, SumRow{"up_to_maximum", int32Max - 1, 1, int32Max},
                    SumRow{"down_to_minimum", int32Min + 1, -1, int32Min},
                    SumRow{"opposite_edges", int32Max, int32Min, -1},
                    SumRow{"last_sum_before_overflow", 2147385345, 65535, 2147450880}),
    RowName{});

struct OperandsRow
{
    std::string_view name;
    std::int32_t a;
    std::int32_t b;
};

class CheckedAddOverflow : public testing::TestWithParam<OperandsRow>
{
};

TEST_P(CheckedAddOverflow, RaisesOverflowEitherWayRound)
{
    const OperandsRow &row = GetParam();
    EXPECT_EQ(errorNumberOf([&] { (void)checkedAdd(row.a, row.b); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)checkedAdd(row.b, row.a); }), 6);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, CheckedAddOverflow,
                         testing::Values(OperandsRow{"maximum_plus_1", int32Max, 1},
                                         OperandsRow{"minimum_minus_1", int32Min, -1},
                                         OperandsRow{"maximum_plus_maximum", int32Max, int32Max},
                                         OperandsRow{"sum_at_n_65536", 2147450880, 65536}),
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
