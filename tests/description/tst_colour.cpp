#include "colour.h"
#include "rowname.h"

#include <gtest/gtest.h>

// Colours as the window's description writes them, and the texts drawn on its own fills.

using ponderival::Colour;

namespace {

using rowname::PrintTo;

struct ColourRow
{
    std::string_view name;
    Colour colour;
    int red, green, blue;
};

using ColourChannels = testing::TestWithParam<ColourRow>;

// Colours are written as the description writes them, blue in the high byte and red in the low.
TEST_P(ColourChannels, HasRedInTheLowByte)
{
    const ColourRow &row = GetParam();
    EXPECT_EQ(row.colour.red(), row.red);
    EXPECT_EQ(row.colour.green(), row.green);
    EXPECT_EQ(row.colour.blue(), row.blue);
}

INSTANTIATE_TEST_SUITE_P(
    LightColours, ColourChannels,
    testing::Values(ColourRow{"light_red", Colour{0xC0C0FF}, 0xFF, 0xC0, 0xC0},
                    ColourRow{"light_green", Colour{0xC0FFC0}, 0xC0, 0xFF, 0xC0},
                    ColourRow{"light_cyan", Colour{0xFFFFC0}, 0xC0, 0xFF, 0xFF}),
    RowName{});

struct TextRow
{
    std::string_view name;
    Colour fill;
    Colour desktopText;
    Colour drawn;
};

using TextOnFill = testing::TestWithParam<TextRow>;

// The desktop's text where it stands out at least 4.5:1, else black or white: #767676 is the
// lightest grey that stands out on white (4.54:1), #777777 the first that does not (4.48:1).
TEST_P(TextOnFill, StandsOutAtLeastFourAndAHalfToOne)
{
    const TextRow &row = GetParam();
    EXPECT_EQ(ponderival::readableOn(row.fill, row.desktopText), row.drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Themes, TextOnFill,
    testing::Values(
        TextRow{"light_theme_on_light_green", Colour{0xC0FFC0}, Colour{0x000000}, Colour{0x000000}},
        TextRow{"dark_theme_on_light_green", Colour{0xC0FFC0}, Colour{0xF0F0F0}, Colour{0x000000}},
        TextRow{"dark_theme_on_light_red", Colour{0xC0C0FF}, Colour{0xFFFFFF}, Colour{0x000000}},
        TextRow{"on_a_dark_fill", Colour{0x303030}, Colour{0x404040}, Colour{0xFFFFFF}},
        TextRow{"grey_just_standing_out", Colour{0xFFFFFF}, Colour{0x767676}, Colour{0x767676}},
        TextRow{"grey_just_not", Colour{0xFFFFFF}, Colour{0x777777}, Colour{0x000000}}),
    RowName{});

TEST(Contrast, RunsFromOneToTwentyOneWhicheverComesFirst)
{
    EXPECT_DOUBLE_EQ(ponderival::contrast(Colour{0x000000}, Colour{0xFFFFFF}), 21.0);
    EXPECT_DOUBLE_EQ(ponderival::contrast(Colour{0xFFFFFF}, Colour{0x000000}), 21.0);
    EXPECT_DOUBLE_EQ(ponderival::contrast(Colour{0xC0FFC0}, Colour{0xC0FFC0}), 1.0);
}

} // namespace
