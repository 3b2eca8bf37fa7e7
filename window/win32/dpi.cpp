#include "dpi.h"

namespace ponderival::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);

// Windows 7 and 8 lack GetDpiForWindow, so it is looked up rather than imported.
GetDpiForWindowFunction getDpiForWindow()
{
    static const auto function = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        const FARPROC address = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void *>(address));
    }();
    return function;
}

} // namespace

UINT windowDpi(HWND window)
{
    if (const GetDpiForWindowFunction function = getDpiForWindow()) {
        if (const UINT dpi = function(window); dpi != 0) {
            return dpi;
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : defaultDpi;
}

} // namespace ponderival::win32
