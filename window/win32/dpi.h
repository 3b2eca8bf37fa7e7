#pragma once

#include "frmponderivaldescription.h"

#include <windows.h>

// Twips and points become pixels at the dots per inch of the monitor the window is on.
namespace ponderival::win32 {

inline constexpr UINT defaultDpi = 96;

// The window's own DPI where Windows gives one per window (Windows 10 1607 and later), else the
// system's.
[[nodiscard]] UINT windowDpi(HWND window);

[[nodiscard]] inline int pixelsAt(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// A font's cell height in pixels, negative as LOGFONT wants a character height. The description's
// points are hundredths (8.25, 9.75, 14.25), rounded as MulDiv rounds: 11, 13 and 19 at 96 dpi.
[[nodiscard]] inline int fontHeightAt(const form::Font &font, UINT dpi)
{
    return -MulDiv(form::centipoints(font), static_cast<int>(dpi), 7200);
}

} // namespace ponderival::win32
