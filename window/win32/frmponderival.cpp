#include "frmponderival.h"

#include "dpi.h"
#include "errorreport.h"
#include "frmponderivaldescription.h"
#include "widetext.h"

#include <stdexcept>
#include <windowsx.h>

namespace ponderival::win32 {

namespace {

constexpr const wchar_t *windowClassName = L"Ponderival.frmPonderival";
constexpr int programIconId = 1;
// COM and the annotations come once the window is on the screen, when the program first waits:
// the one timer message of the window.
constexpr UINT_PTR connectScreenReader = 1;
constexpr UINT defaultDpi = USER_DEFAULT_SCREEN_DPI;

HICON programIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

// Every window of the process shares the class, so a second window finds it registered.
void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = programIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = programIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = windowClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("RegisterClassExW");
    }
}

// The monitor the user is looking at: the one under the pointer.
RECT workAreaUnderPointer()
{
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// The window's frame at its size for the DPI, centred on the point.
RECT frameAround(POINT centre, UINT dpi)
{
    const int width = pixelsAt(form::window.width, dpi);
    const int height = pixelsAt(form::window.height, dpi);
    const int left = centre.x - width / 2;
    const int top = centre.y - height / 2;
    return {left, top, left + width, top + height};
}

// Minimised if asked, else at its own size: it cannot be resized, so it is never maximised.
int openingShowCommand(int requested)
{
    switch (requested) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        return requested;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        return SW_SHOWNOACTIVATE;
    default:
        return SW_SHOWNORMAL;
    }
}

} // namespace

frmPonderival::frmPonderival()
    : m_reportError([this](const RuntimeError &error) { showRuntimeErrorMessage(m_window, error); })
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(instance, windowProcedure);
    // Made in the middle of the monitor it will show on, so that WM_CREATE finds that monitor's
    // DPI, and at its size for the usual DPI, which WM_CREATE corrects only on a denser monitor.
    // Its caption names it on the taskbar. Like a dialog box it does not clip its children: it
    // paints nothing but its face, and that only when uncovered, so clipping would spare nothing,
    // while under Wine it held the first pixels back by about 9 ms.
    const RECT area = workAreaUnderPointer();
    const RECT frame =
        frameAround({(area.left + area.right) / 2, (area.top + area.bottom) / 2}, defaultDpi);
    CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, windowClassName,
                    toWide(form::window.caption).c_str(), WS_POPUP, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                    this);
    if (m_window == nullptr) {
        throw std::runtime_error("CreateWindowExW");
    }
}

frmPonderival::~frmPonderival()
{
    if (m_window != nullptr) {
        m_screenReader.release();
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void frmPonderival::show(int showCommand)
{
    // The focus goes to cmdStop as soon as the window is active, now or once it is restored.
    m_lastFocus = m_controls.handle(form::cmdStop);
    ShowWindow(m_window, openingShowCommand(showCommand));
    // The first ShowWindow of a program may take the starting program's setting instead of ours.
    if (IsZoomed(m_window) != FALSE) {
        ShowWindow(m_window, SW_RESTORE);
    }
    UpdateWindow(m_window);
    // Nothing of them is drawn and nothing has been said yet, so they come after the first frame.
    m_screenReader.create(m_window, firstOwnId);
    if (GetActiveWindow() == m_window) {
        SetFocus(m_lastFocus);
    }
}

void frmPonderival::showText(Field field, std::string_view text)
{
    SetWindowTextW(m_controls.handle(field), toWide(text).c_str());
}

void frmPonderival::setStopCaption(std::string_view caption)
{
    const HWND button = m_controls.handle(form::cmdStop);
    SetWindowTextW(button, toWide(caption).c_str());
    InvalidateRect(button, nullptr, FALSE);
}

LRESULT CALLBACK frmPonderival::windowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        auto *window = static_cast<frmPonderival *>(creation->lpCreateParams);
        window->m_window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto *window = reinterpret_cast<frmPonderival *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // No exception crosses into Windows. A window that cannot make its controls is not made at
    // all; any later failure of the window ends the program as an error in the search does.
    try {
        return window->handleMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        if (message == WM_CREATE) {
            return -1;
        }
        window->m_model.fail();
        return 0;
    }
}

LRESULT frmPonderival::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_DRAWITEM, onDrawItem);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, onCtlColorStatic);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, onSetFocus);
        HANDLE_MSG(hwnd, WM_NEXTDLGCTL, onNextDlgCtl);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    case DM_GETDEFID:
        return onGetDefId();
    case WM_TIMER:
        KillTimer(hwnd, connectScreenReader);
        m_screenReader.connect();
        // Named after the puzzle, as in the other windows; its caption stays the described one.
        m_screenReader.nameWindow(hwnd, form::window.accessibleName);
        m_model.windowOpened();
        return 0;
    case WM_DPICHANGED:
        place(*reinterpret_cast<const RECT *>(lParam), LOWORD(wParam));
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        return 0;
    default:
        // WM_CLOSE (Alt+F4, the taskbar's Close) destroys the window, which ends the program.
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

BOOL frmPonderival::onCreate(HWND hwnd, LPCREATESTRUCTW creation)
{
    m_dpi = windowDpi(hwnd);
    m_controls.create(hwnd, m_dpi);
    SetTimer(hwnd, connectScreenReader, USER_TIMER_MINIMUM, nullptr);
    if (m_dpi != defaultDpi) {
        const RECT frame =
            frameAround({creation->x + creation->cx / 2, creation->y + creation->cy / 2}, m_dpi);
        SetWindowPos(hwnd, nullptr, frame.left, frame.top, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

// However the window goes, the model hears of it: no step runs once it is closing.
void frmPonderival::onDestroy(HWND /*hwnd*/)
{
    m_model.windowClosed();
    m_screenReader.release();
    PostQuitMessage(m_model.exitStatus());
}

void frmPonderival::place(const RECT &frame, UINT dpi)
{
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_controls.place(dpi);
}

} // namespace ponderival::win32
