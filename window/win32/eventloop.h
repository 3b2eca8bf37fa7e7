#pragma once

#include "frmponderival.h"

#include <optional>
#include <windows.h>

namespace ponderival::win32 {

// Waits up to timeout milliseconds for Timer1 or a message, then runs one tick if it is due and
// every message that is waiting. Returns the program's exit status once the window has ended.
inline std::optional<int> processEvents(frmPonderival &window, DWORD timeout)
{
    // Timer1 comes first in the list, so a tick that is due is never starved by a busy queue.
    HANDLE timer = window.timer1().handle();
    if (MsgWaitForMultipleObjectsEx(1, &timer, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_OBJECT_0) {
        window.model().tick();
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
        // The keyboard goes through the dialog manager, as in any dialog box.
        if (window.handle() == nullptr || !IsDialogMessageW(window.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return std::nullopt;
}

} // namespace ponderival::win32
