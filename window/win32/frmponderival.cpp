#include "frmponderival.h"

#include "dpi.h"
#include "frmponderivaldescription.h"
#include "runcontrol.h"
#include "widetext.h"
#include "windowplacement.h"

#include <exception>
#include <stdexcept>
#include <windowsx.h>

namespace ponderival::win32 {

namespace {

constexpr const wchar_t *windowClassName = L"Ponderival.frmPonderival";

// A failure of the window itself goes the way of an error in the search.
void raiseInternalError(Panel & /*panel*/)
{
    throw RuntimeError::internal();
}

} // namespace

frmPonderival::frmPonderival()
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
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void frmPonderival::show(int showCommand)
{
    // The focus goes to cmdStop as soon as the window is active, now or once it is restored.
    m_lastFocus = m_controls.handle(form::indexOf("cmdStop"));
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

void frmPonderival::setErrorReporter(ErrorReporter reporter)
{
    m_panel.setErrorReporter(std::move(reporter));
}

HWND frmPonderival::control(std::string_view name) const
{
    return m_controls.handle(form::controlIndex(name).value());
}

void frmPonderival::timer1Signalled()
{
    // A tick that fell due before the timer was disabled is dropped.
    if (m_timer1.enabled()) {
        m_panel.handleEvent(Timer1_Timer);
    }
}

// The timer goes with the window, so no step runs once it is closing.
void frmPonderival::unload()
{
    m_timer1.setEnabled(false);
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
}

void frmPonderival::cmdEsc_Click()
{
    unload();
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
    // No exception crosses into Windows.
    try {
        return window->handleMessage(hwnd, message, wParam, lParam);
    } catch (const std::exception &) {
        return window->onFailure(message);
    }
}

// A window that cannot make its controls is not made at all; any later failure of the window
// ends the program as an internal error, reported as an error in the search is.
LRESULT frmPonderival::onFailure(UINT message) noexcept
{
    if (message == WM_CREATE) {
        return -1;
    }
    m_panel.handleEvent(raiseInternalError);
    return 0;
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
        HANDLE_MSG(hwnd, WM_CLOSE, onClose);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNCDestroy);
    case DM_GETDEFID:
        return onGetDefId();
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

BOOL frmPonderival::onCreate(HWND hwnd, LPCREATESTRUCTW /*creation*/)
{
    m_controls.create(hwnd);
    m_dpi = windowDpi(hwnd);
    placeOnMonitor(m_dpi);
    return TRUE;
}

// Alt+F4 and the taskbar's Close end the program as cmdEsc does.
void frmPonderival::onClose(HWND /*hwnd*/)
{
    cmdEsc_Click();
}

void frmPonderival::onDestroy(HWND /*hwnd*/)
{
    m_timer1.setEnabled(false);
    PostQuitMessage(m_panel.exitStatus());
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
