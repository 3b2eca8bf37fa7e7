#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ponderival {

// A colour as the window's description stores it: red in the low byte, then green, then blue.
// 0xC0C0FF is therefore light red, not light blue.
struct Colour
{
    std::uint32_t value = 0;

    [[nodiscard]] constexpr int red() const { return static_cast<int>(value & 0xFFU); }
    [[nodiscard]] constexpr int green() const { return static_cast<int>((value >> 8U) & 0xFFU); }
    [[nodiscard]] constexpr int blue() const { return static_cast<int>((value >> 16U) & 0xFFU); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

// "#rrggbb", as web pages and scripts write colours, the low byte's red notwithstanding.
[[nodiscard]] inline std::string hexText(Colour colour)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {colour.red(), colour.green(), colour.blue()}) {
        text += digits[static_cast<std::size_t>(channel) >> 4U];
        text += digits[static_cast<std::size_t>(channel) & 0xFU];
    }
    return text;
}

// How far two colours stand apart, from 1 to 21, as WCAG 2 measures it.
[[nodiscard]] inline double contrast(Colour a, Colour b)
{
    const auto luminance = [](Colour colour) {
        const auto linear = [](int channel) {
            const double value = channel / 255.0;
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
               0.0722 * linear(colour.blue());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Text on a fill of the window's own: the desktop's text colour where it stands out at least
// 4.5:1 (a dark theme's light text does not on the light faces), else black or white.
[[nodiscard]] inline Colour readableOn(Colour fill, Colour desktopText)
{
    constexpr Colour black{0x000000};
    constexpr Colour white{0xFFFFFF};
    if (contrast(fill, desktopText) >= 4.5) {
        return desktopText;
    }
    return contrast(fill, black) >= contrast(fill, white) ? black : white;
}

} // namespace ponderival
