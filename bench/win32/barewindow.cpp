#include "formprobe.h"
#include "frmponderivaldescription.h"
#include "tickleg.h"
#include "widetext.h"

#include <array>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

// After <windows.h>, which they build on.
#include <mmsystem.h>
#include <windowsx.h>

// A bare Windows window, timed by winbench beside Ponderival.exe: a popup of the same size and
// caption showing what the program's window shows, each text in its place and font, each
// described fill, the outline and the focus on cmdStop, as plain statics and buttons and a frame
// drawn by the window itself, and nothing else. Like the program, it paints all of it before it
// first waits (UpdateWindow), so that when winbench sees the fills, every text is there too. With
// the argument "ticking", cmdStop's button starts a 10 ms timer that writes the same four texts
// the program writes at each step, two of them into hidden statics, for the same 985 ticks the
// program's leg runs. That is the least any Windows window showing these texts and numbers can
// cost.
namespace {

namespace form = ponderival::form;

constexpr UINT_PTR tickTimer = 1;
constexpr int startId = 100;

struct Bare
{
    std::array<HWND, 4> fields{}; // lblN, lblTot, lblCivico, lblTot2
    long long n = tickleg::firstN;
    int ticks = 0;
    std::vector<HFONT> fonts;
    // The children with a described fill, and their brushes.
    std::vector<std::pair<HWND, HBRUSH>> fills;
};

Bare bare;

HFONT fontOf(const form::Font &font)
{
    LOGFONTW description{};
    description.lfHeight = -MulDiv(form::centipoints(font), 96, 7200);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    ponderival::win32::toWide(form::faceOf(font).scalable).copy(description.lfFaceName, 31);
    return bare.fonts.emplace_back(CreateFontIndirectW(&description));
}

HBRUSH fillOf(HWND child)
{
    for (const auto &[filled, brush] : bare.fills) {
        if (filled == child) {
            return brush;
        }
    }
    return nullptr;
}

HWND createChild(HWND window, const form::Control &control, bool shown, int id)
{
    const bool button = control.kind == form::ControlKind::Button;
    const bool filled = control.fill == form::Fill::Colour;
    const RECT r = pixelsOf(control.place);
    const HWND child = CreateWindowExW(
        0, button ? L"BUTTON" : L"STATIC", ponderival::win32::toWide(control.text).c_str(),
        WS_CHILD | (shown ? WS_VISIBLE : 0U) |
            (button ? (filled ? BS_OWNERDRAW : BS_PUSHBUTTON) : SS_CENTER),
        r.left, r.top, r.right - r.left, r.bottom - r.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(control.font)), FALSE);
    if (filled) {
        bare.fills.emplace_back(child, CreateSolidBrush(control.background.value));
    }
    return child;
}

// The described fills, as the program shows them: a static's background, a button's face.
HBRUSH onCtlColorStatic(HWND /*window*/, HDC context, HWND child, int /*type*/)
{
    const HBRUSH brush = fillOf(child);
    if (brush != nullptr) {
        LOGBRUSH colour{};
        GetObjectW(brush, sizeof(colour), &colour);
        SetBkColor(context, colour.lbColor);
    }
    return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

// The outline, drawn on the window's own face rather than by a child.
void onPaint(HWND window)
{
    PAINTSTRUCT paint{};
    const HDC context = BeginPaint(window, &paint);
    const RECT outline = pixelsOf(form::findControl("Shape1")->place);
    FrameRect(context, &outline, GetSysColorBrush(COLOR_WINDOWTEXT));
    EndPaint(window, &paint);
}

void onDrawItem(HWND /*window*/, const DRAWITEMSTRUCT *item)
{
    RECT face = item->rcItem;
    DrawEdge(item->hDC, &face, EDGE_RAISED, BF_RECT | BF_ADJUST);
    FillRect(item->hDC, &face, fillOf(item->hwndItem));
    wchar_t text[64] = {};
    GetWindowTextW(item->hwndItem, text, 64);
    SetBkMode(item->hDC, TRANSPARENT);
    DrawTextW(item->hDC, text, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((item->itemState & ODS_FOCUS) != 0) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(item->hDC, &face);
    }
}

BOOL onCreate(HWND window, LPCREATESTRUCT create)
{
    const bool ticking =
        std::wstring_view(static_cast<const wchar_t *>(create->lpCreateParams)) == L"ticking";
    std::size_t field = 0;
    for (const form::Control &control : form::controls) {
        const bool isField = control.kind == form::ControlKind::Field && control.name != "lblCase";
        const bool shows = !control.text.empty() || control.fill == form::Fill::Colour;
        if ((control.visible && shows) || (ticking && isField)) {
            const HWND child = createChild(window, control, control.visible,
                                           control.name == "cmdStop" ? startId : 0);
            if (ticking && isField) {
                bare.fields.at(field++) = child;
            }
        }
    }
    return TRUE;
}

void onCommand(HWND window, int id, HWND /*control*/, UINT /*notification*/)
{
    if (id == startId && bare.ticks == 0) {
        timeBeginPeriod(1);
        SetTimer(window, tickTimer, 10, nullptr);
    }
}

void onTimer(HWND window, UINT /*id*/)
{
    const long long n = ++bare.n;
    for (const auto &[control, value] :
         std::array<std::pair<HWND, long long>, 4>{{{bare.fields.at(0), n},
                                                    {bare.fields.at(1), tickleg::sumUpTo(n)},
                                                    {bare.fields.at(2), n + 1},
                                                    {bare.fields.at(3), n + 2}}}) {
        SetWindowTextW(control, std::to_wstring(value).c_str());
    }
    if (++bare.ticks == tickleg::ticks) {
        KillTimer(window, tickTimer);
        timeEndPeriod(1);
    }
}

void onDestroy(HWND /*window*/)
{
    PostQuitMessage(0);
}

LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, onCreate);
        HANDLE_MSG(window, WM_COMMAND, onCommand);
        HANDLE_MSG(window, WM_TIMER, onTimer);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, onCtlColorStatic);
        HANDLE_MSG(window, WM_PAINT, onPaint);
        HANDLE_MSG(window, WM_DRAWITEM, onDrawItem);
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may cross into the system's code: a failure ends the program with status 1.
    try {
        return dispatch(window, message, wParam, lParam);
    } catch (...) {
        PostQuitMessage(1);
        return 0;
    }
}

HWND createWindow(HINSTANCE instance, const wchar_t *mode)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"PonderivalBareWindow";
    RegisterClassExW(&windowClass);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = form::pixels(form::window.width);
    const int height = form::pixels(form::window.height);
    return CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"Form1", WS_POPUP,
                           (work.left + work.right - width) / 2,
                           (work.top + work.bottom - height) / 2, width, height, nullptr, nullptr,
                           instance, const_cast<wchar_t *>(mode));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int show)
{
    HWND window = createWindow(instance, commandLine);
    ShowWindow(window, show);
    SetFocus(GetDlgItem(window, startId));
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
