#pragma once

#include "colour.h"

#include <cstddef>
#include <string>
#include <string_view>

// How the page writes the description's colours, shared by the program that writes the page and
// by the search's panel, which recolours cmdStop.
namespace ponderival::web {

// "#rrggbb", the description's red in the low byte notwithstanding.
[[nodiscard]] inline std::string cssColour(Colour colour)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {colour.red(), colour.green(), colour.blue()}) {
        text += digits[static_cast<std::size_t>(channel) >> 4U];
        text += digits[static_cast<std::size_t>(channel) & 0xFU];
    }
    return text;
}

// The platform draws a button's focus rectangle by inverting every other pixel of the face; the
// page draws it dotted in the inverted colour.
[[nodiscard]] constexpr Colour focusColour(Colour face)
{
    return Colour{face.value ^ 0xFFFFFFU};
}

} // namespace ponderival::web
