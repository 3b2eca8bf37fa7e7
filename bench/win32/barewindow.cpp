#include "formprobe.h"
#include "frmponderivaldescription.h"
#include "tickleg.h"
#include "widetext.h"

#include <string>
#include <windows.h>

// After <windows.h>, which they build on.
#include <mmsystem.h>
#include <windowsx.h>

// A bare Windows window, timed by winbench beside Ponderival.exe: a popup of the same size and
// caption that paints nothing but its face colour. With the argument "ticking" it also holds, at
// the places of cmdStop, lblTot and lblCivico, a button and two static controls; the button starts
// a 10 ms timer that writes the next sum and house into the statics for the same 985 ticks the
// program's leg runs. That is the least any Windows window showing two changing numbers can cost.
namespace {

namespace form = ponderival::form;

constexpr UINT_PTR tickTimer = 1;
constexpr int startId = 100;

struct Bare
{
    HWND sum = nullptr;
    HWND house = nullptr;
    long long n = tickleg::firstN;
    int ticks = 0;
};

Bare bare;

HWND createChild(HWND window, const wchar_t *className, const wchar_t *text, DWORD style,
                 std::string_view placeOf, int id)
{
    const RECT r = pixelsOf(form::findControl(placeOf)->place);
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

BOOL onCreate(HWND window, LPCREATESTRUCT create)
{
    if (std::wstring_view(static_cast<const wchar_t *>(create->lpCreateParams)) == L"ticking") {
        const std::wstring caption = ponderival::win32::toWide(form::stopIdleLook.caption);
        createChild(window, L"BUTTON", caption.c_str(), BS_PUSHBUTTON | WS_TABSTOP, "cmdStop",
                    startId);
        const std::wstring sum = std::to_wstring(tickleg::sumUpTo(bare.n));
        const std::wstring house = std::to_wstring(bare.n + 1);
        bare.sum = createChild(window, L"STATIC", sum.c_str(), SS_CENTER, "lblTot", 0);
        bare.house = createChild(window, L"STATIC", house.c_str(), SS_CENTER, "lblCivico", 0);
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
    ++bare.n;
    SetWindowTextW(bare.sum, std::to_wstring(tickleg::sumUpTo(bare.n)).c_str());
    SetWindowTextW(bare.house, std::to_wstring(bare.n + 1).c_str());
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
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
