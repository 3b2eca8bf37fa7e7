#pragma once

#include <cstdint>

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

} // namespace ponderival
