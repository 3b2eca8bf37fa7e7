#pragma once

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

} // namespace ponderival
