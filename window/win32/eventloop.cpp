#include "eventloop.h"

namespace ponderival::win32 {

std::optional<int> processEvents(frmPonderival &window, DWORD timeout)
{
    // Timer1 comes first in the list, so a tick that is due is never starved by a busy queue.
    HANDLE timer = window.timer1().handle();
    if (MsgWaitForMultipleObjectsEx(1, &timer, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_OBJECT_0) {
        window.timer1Signalled();
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
        // Tab, Shift+Tab, the arrow keys, Enter and Esc go through the dialog manager, as in any
        // dialog box.
        const HWND handle = window.handle();
        if (handle == nullptr || !IsDialogMessageW(handle, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return std::nullopt;
}

int runEventLoop(frmPonderival &window)
{
    for (;;) {
        if (const std::optional<int> status = processEvents(window, INFINITE)) {
            return *status;
        }
    }
}

} // namespace ponderival::win32
