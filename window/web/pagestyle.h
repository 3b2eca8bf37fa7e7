#pragma once

#include "colour.h"

// How the page draws a focused button, shared by the program that writes the page and by the
// page's port, which recolours cmdStop.
namespace ponderival::web {

// The platform draws a button's focus rectangle by inverting every other pixel of the face; the
// page draws it dotted in the inverted colour.
[[nodiscard]] constexpr Colour focusColour(Colour face)
{
    return Colour{face.value ^ 0xFFFFFFU};
}

} // namespace ponderival::web
