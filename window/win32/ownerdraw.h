#pragma once

#include <windows.h>

// What the window draws itself: the coloured buttons, whose fill a push button would ignore, and
// the outline of Shape1.
namespace ponderival::win32 {

// The fill, a raised edge (sunken while pressed), the caption in the button's font, and a dotted
// focus rectangle inside the edge while the button has the focus. The fill is the same in every
// state.
void drawColourButton(const DRAWITEMSTRUCT &item, HBRUSH fill, UINT dpi);

// A one-pixel outline in the window-text colour; the control's region is that line alone.
void drawOutline(const DRAWITEMSTRUCT &item);

} // namespace ponderival::win32
