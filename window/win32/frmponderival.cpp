#include "frmponderival.h"

#include "dpi.h"
#include "errorreport.h"
#include "frmponderivaldescription.h"
#include "widetext.h"
#include "windowplacement.h"

#include <stdexcept>
#include <windowsx.h>

namespace ponderival::win32 {

namespace {

constexpr const wchar_t *windowClassName = L"Ponderival.frmPonderival";
// COM and the annotations take a moment to load (15 ms under Wine), so they come once the window
// is on the screen, when the program first waits: the one timer message of the window.
constexpr UINT_PTR connectScreenReader = 1;

} // namespace

frmPonderival::frmPonderival()
    : m_reportError([this](const RuntimeError &error) { showRuntimeErrorMessage(m_window, error); })
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(instance, windowClassName, windowProcedure);
    const RECT workArea = workAreaUnderPointer();
    // A popup: no border, no title bar, nothing to move or resize it by. Its caption still names
    // it on the taskbar.
    CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, windowClassName,
                    toWide(form::window.caption).c_str(), WS_POPUP | WS_CLIPCHILDREN, workArea.left,
                    workArea.top, 0, 0, nullptr, nullptr, instance, this);
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

void frmPonderival::say(const Announcement &announcement)
{
    m_screenReader.say(toWide(announcement.message));
    if (!announcement.followUp.empty()) {
        m_screenReader.say(toWide(announcement.followUp));
    }
}

void frmPonderival::nameField(Field field, std::string_view name)
{
    m_screenReader.setName(m_controls.handle(field), toWide(name));
}

void frmPonderival::describeStop(std::string_view description)
{
    m_screenReader.setDescription(m_controls.handle(form::cmdStop), toWide(description));
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
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNCDestroy);
    case DM_GETDEFID:
        return onGetDefId();
    case WM_TIMER:
        KillTimer(hwnd, connectScreenReader);
        m_screenReader.connect();
        m_model.windowOpened();
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    default:
        // WM_CLOSE (Alt+F4, the taskbar's Close) destroys the window, which ends the program.
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

BOOL frmPonderival::onCreate(HWND hwnd, LPCREATESTRUCTW /*creation*/)
{
    m_controls.create(hwnd);
    m_screenReader.create(hwnd, firstOwnId);
    SetTimer(hwnd, connectScreenReader, USER_TIMER_MINIMUM, nullptr);
    m_dpi = windowDpi(hwnd);
    placeOnMonitor(m_dpi);
    return TRUE;
}

// However the window goes, the model hears of it: no step runs once it is closing.
void frmPonderival::onDestroy(HWND /*hwnd*/)
{
    m_model.windowClosed();
    m_screenReader.release();
    PostQuitMessage(m_model.exitStatus());
}

void frmPonderival::onNCDestroy(HWND /*hwnd*/)
{
    m_window = nullptr;
}

void frmPonderival::onDpiChanged(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_controls.place(dpi);
}

void frmPonderival::placeOnMonitor(UINT dpi)
{
    const RECT place = centredIn(workAreaUnderPointer(), pixelsAt(form::window.width, dpi),
                                 pixelsAt(form::window.height, dpi));
    SetWindowPos(m_window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_controls.place(dpi);
}

} // namespace ponderival::win32
