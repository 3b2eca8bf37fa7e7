#include "windowdriver.h"

#include "eventloop.h"
#include "frmponderivaldescription.h"
#include "polling.h"
#include "widetext.h"

#include <vector>

namespace {

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT key(WORD virtualKey, DWORD flags = 0)
{
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

INPUT mouse(POINT onScreen, DWORD flags)
{
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dx = MulDiv(onScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(onScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

} // namespace

WindowDriver::WindowDriver() : m_window(std::make_unique<ponderival::win32::frmPonderival>())
{
    m_window->show(SW_SHOWNORMAL);
    const HWND handle = m_window->handle();
    waitUntil([&] {
        if (GetForegroundWindow() != handle) {
            SetForegroundWindow(handle);
        }
        return GetForegroundWindow() == handle && GetFocus() == control("cmdStop");
    });
}

HWND WindowDriver::control(std::string_view name) const
{
    const auto id = ponderival::form::ControlId::at(ponderival::form::controlIndex(name).value());
    return GetDlgItem(m_window->handle(), ponderival::win32::controlId(id.value()));
}

std::string WindowDriver::text(std::string_view name) const
{
    return ponderival::win32::toUtf8(ponderival::win32::windowText(control(name)));
}

RECT WindowDriver::place(std::string_view name) const
{
    RECT rect{};
    GetWindowRect(control(name), &rect);
    MapWindowPoints(nullptr, m_window->handle(), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

std::string WindowDriver::focusName() const
{
    for (const ponderival::form::Control &control : ponderival::form::controls) {
        if (GetFocus() == this->control(control.name)) {
            return std::string(control.name);
        }
    }
    return "elsewhere";
}

void WindowDriver::processEvents(DWORD timeout)
{
    if (!m_exitStatus) {
        m_exitStatus = ponderival::win32::processEvents(*m_window, timeout);
    }
}

bool WindowDriver::waitUntil(const std::function<bool()> &condition, DWORD timeout)
{
    return pollUntil(condition, std::chrono::milliseconds(timeout), [this] { processEvents(); });
}

bool WindowDriver::waitForText(std::string_view name, std::string_view shown)
{
    return waitUntil([&] { return text(name) == shown; });
}

void WindowDriver::clickOn(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    send({mouse(centre, MOUSEEVENTF_MOVE), mouse(centre, MOUSEEVENTF_LEFTDOWN),
          mouse(centre, MOUSEEVENTF_LEFTUP)});
}

void WindowDriver::pressKey(WORD virtualKey, WORD modifier)
{
    if (modifier == 0) {
        send({key(virtualKey), key(virtualKey, KEYEVENTF_KEYUP)});
    } else {
        send({key(modifier), key(virtualKey), key(virtualKey, KEYEVENTF_KEYUP),
              key(modifier, KEYEVENTF_KEYUP)});
    }
}

void WindowDriver::holdKey(WORD virtualKey)
{
    send({key(virtualKey)});
}

void WindowDriver::releaseKey(WORD virtualKey)
{
    send({key(virtualKey, KEYEVENTF_KEYUP)});
}

void WindowDriver::sendAvantiClick() const
{
    const HWND button = control("cmdAvanti");
    SendMessageW(m_window->handle(), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

COLORREF WindowDriver::pixel(POINT at) const
{
    RedrawWindow(m_window->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // A context that does not clip the children, so the controls' own pixels can be read.
    const HDC context = GetDCEx(m_window->handle(), nullptr, DCX_CACHE);
    const COLORREF colour = GetPixel(context, at.x, at.y);
    ReleaseDC(m_window->handle(), context);
    return colour;
}
