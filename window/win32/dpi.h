#pragma once

#include "frmponderivaldescription.h"

#include <windows.h>

// Twips and points become pixels at the dots per inch of the monitor the window is on.
namespace ponderival::win32 {

// The window's own DPI where Windows gives one per window (Windows 10 1607 and later), else the
// system's. Windows 7 and 8 lack GetDpiForWindow, so it is looked up rather than imported.
[[nodiscard]] inline UINT windowDpi(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindow>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0; dpi != 0) {
        return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

[[nodiscard]] inline int pixelsAt(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Negative, as LOGFONT wants a character height. The description's points are hundredths (8.25,
// 9.75, 14.25), rounded as MulDiv rounds: 11, 13 and 19 pixels at 96 dpi.
[[nodiscard]] inline int fontHeightAt(const form::Font &font, UINT dpi)
{
    return -MulDiv(form::centipoints(font), static_cast<int>(dpi), 7200);
}

} // namespace ponderival::win32
