#include "frmponderival.h"

#include "dpi.h"
#include "eventprocedure.h"
#include "frmponderivaldescription.h"
#include "ownerdraw.h"
#include "runcontrol.h"
#include "searchstep.h"
#include "widetext.h"
#include "windowplacement.h"

#include <cstdlib>
#include <exception>
#include <optional>
#include <stdexcept>
#include <windowsx.h>

using ponderival::Panel;
using ponderival::RuntimeError;
namespace form = ponderival::form;
namespace win32 = ponderival::win32;

namespace {

constexpr const wchar_t *windowClassName = L"Ponderival.frmPonderival";

} // namespace

frmPonderival::frmPonderival()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    win32::registerWindowClass(instance, windowClassName, windowProcedure);
    const RECT workArea = win32::workAreaUnderPointer();
    // A popup: no border, no title bar, nothing to move or resize it by. Its caption still names
    // it on the taskbar.
    CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, windowClassName,
                    win32::toWide(form::window.caption).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                    workArea.left, workArea.top, 0, 0, nullptr, nullptr, instance, this);
    if (m_window == nullptr) {
        throw std::runtime_error("CreateWindowExW");
    }
    m_controls = std::make_unique<win32::FormControls>(m_window);
    m_panel = std::make_unique<ControlPanel>(*m_controls, m_timer1);
    m_reportError = [this](const RuntimeError &error) {
        showRuntimeErrorMessage(m_window, error);
    };
    m_dpi = win32::windowDpi(m_window);
    placeOnMonitor(m_dpi);
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
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    m_lastFocus = m_controls->handle("cmdStop");
    SetFocus(m_lastFocus);
}

void frmPonderival::setErrorReporter(ErrorReporter reporter)
{
    m_reportError = std::move(reporter);
}

void frmPonderival::placeOnMonitor(UINT dpi)
{
    const RECT place =
        win32::centredIn(win32::workAreaUnderPointer(), win32::pixelsAt(form::window.width, dpi),
                         win32::pixelsAt(form::window.height, dpi));
    SetWindowPos(m_window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_controls->place(dpi);
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
    // No exception crosses into Windows: whatever escapes a handler ends the program as an
    // internal error, the way an error in the search does.
    try {
        return window->handleMessage(hwnd, message, wParam, lParam);
    } catch (const std::exception &) {
        window->endWithError(RuntimeError::internal());
        return 0;
    }
}

LRESULT frmPonderival::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_DRAWITEM, onDrawItem);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, onCtlColorStatic);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, onSetFocus);
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

void frmPonderival::onCommand(HWND /*hwnd*/, int id, HWND control, UINT notification)
{
    // Enter and Esc come as IDOK and IDCANCEL, which name no control: Esc presses nothing, and
    // Enter arrives as a click on the focused button through DM_GETDEFID. A drawn button reports
    // the second of two quick clicks as a double click; to the user it is one more click.
    const bool clicked = notification == BN_CLICKED || notification == BN_DOUBLECLICKED;
    if (!clicked || m_controls == nullptr || control != GetDlgItem(m_window, id)) {
        return;
    }
    if (control == m_controls->handle("cmdStop")) {
        handleEvent(ponderival::cmdStop_Click);
    } else if (control == m_controls->handle("cmdAvanti")) {
        handleEvent(ponderival::cmdAvanti_Click);
    } else if (control == m_controls->handle("cmdEsc")) {
        cmdEsc_Click();
    }
}

// The dialog manager presses the default button on Enter. The default is whichever of the two
// buttons has the focus, so Enter presses the focused button and only that one.
LRESULT frmPonderival::onGetDefId() const
{
    const HWND focus = GetFocus();
    if (m_controls != nullptr &&
        (focus == m_controls->handle("cmdStop") || focus == m_controls->handle("cmdEsc"))) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    return 0;
}

void frmPonderival::onDrawItem(HWND /*hwnd*/, const DRAWITEMSTRUCT *item)
{
    const std::optional<std::size_t> index =
        m_controls != nullptr ? m_controls->indexOf(item->hwndItem) : std::nullopt;
    if (!index) {
        return;
    }
    if (form::controls.at(*index).kind == form::ControlKind::Shape) {
        win32::drawOutline(*item);
    } else {
        win32::drawColourButton(*item, m_controls->fill(*index), m_dpi);
    }
}

HBRUSH frmPonderival::onCtlColorStatic(HWND /*hwnd*/, HDC context, HWND label, int /*type*/)
{
    return m_controls != nullptr ? m_controls->labelFill(label, context)
                                 : GetSysColorBrush(COLOR_BTNFACE);
}

// Like a dialog, the window gives the focus back to the button that had it when it was last
// active, rather than keeping it itself.
void frmPonderival::onActivate(HWND /*hwnd*/, UINT state, HWND /*other*/, BOOL /*minimized*/)
{
    if (state == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(m_window, focus)) {
            m_lastFocus = focus;
        }
    } else if (m_lastFocus != nullptr) {
        SetFocus(m_lastFocus);
    }
}

void frmPonderival::onSetFocus(HWND /*hwnd*/, HWND /*previous*/)
{
    if (m_lastFocus != nullptr) {
        SetFocus(m_lastFocus);
    }
}

// Alt+F4 and the taskbar's Close end the program as cmdEsc does.
void frmPonderival::onClose(HWND /*hwnd*/)
{
    cmdEsc_Click();
}

void frmPonderival::onDestroy(HWND /*hwnd*/)
{
    m_timer1.setEnabled(false);
    PostQuitMessage(m_exitStatus);
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
    m_controls->place(dpi);
}

void frmPonderival::timer1Signalled()
{
    // A tick that fell due before the timer was disabled is dropped.
    if (m_timer1.enabled()) {
        handleEvent(ponderival::Timer1_Timer);
    }
}

// The timer goes with the window, so no step runs once it is closing.
void frmPonderival::cmdEsc_Click()
{
    m_timer1.setEnabled(false);
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
}

// Every event enters the search here, so no exception ever reaches the event loop.
void frmPonderival::handleEvent(void (*procedure)(Panel &))
{
    const std::optional<RuntimeError> failure = ponderival::runEventProcedure(procedure, *m_panel);
    // A failed step keeps what it wrote before failing, and the report shows it behind.
    m_panel->commitTexts();
    if (failure) {
        endWithError(*failure);
    }
}

void frmPonderival::endWithError(const RuntimeError &error) noexcept
{
    // Stopping Timer1 first means exactly one report, with no step running behind it. The
    // status is settled before the report, so closing the window under it still ends with 1.
    m_timer1.setEnabled(false);
    m_exitStatus = EXIT_FAILURE;
    try {
        m_reportError(error);
    } catch (...) {
        // The program ends with the error's status whether or not the report could be shown.
    }
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
}
