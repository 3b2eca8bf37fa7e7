#include "formprobe.h"

namespace form = ponderival::form;

namespace {

struct ControlSearch
{
    HWND parent;
    RECT place;
    HWND found;
};

BOOL CALLBACK matchPlace(HWND control, LPARAM lParam)
{
    auto &search = *reinterpret_cast<ControlSearch *>(lParam);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, search.parent, reinterpret_cast<POINT *>(&rect), 2);
    if (GetParent(control) == search.parent && EqualRect(&rect, &search.place)) {
        search.found = control;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FormProbe::control(std::string_view name) const
{
    ControlSearch search{m_window, pixelsOf(form::findControl(name)->place), nullptr};
    EnumChildWindows(m_window, matchPlace, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring FormProbe::text(HWND control)
{
    // Read from the control's window text, which needs no message to the other program.
    wchar_t text[64] = {};
    GetWindowTextW(control, text, 64);
    return text;
}

void FormProbe::click(std::string_view name) const
{
    SendMessageW(control(name), BM_CLICK, 0, 0);
}

COLORREF FormProbe::screenColour(POINT client) const
{
    ClientToScreen(m_window, &client);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, client.x, client.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool FormProbe::showsOwnColour(const form::Control &control) const
{
    const RECT rect = pixelsOf(control.place);
    const POINT inside{rect.left + 6, (rect.top + rect.bottom) / 2};
    // COLORREF and the description share one layout: red in the low byte.
    return screenColour(inside) == control.background.value;
}

bool FormProbe::showsFace() const
{
    return screenColour({2, 2}) == GetSysColor(COLOR_BTNFACE);
}
