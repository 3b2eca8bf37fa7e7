#pragma once

#include "frmponderival.h"

#include <optional>
#include <windows.h>

// The program's one loop: the window's messages, with the keyboard through the dialog manager,
// and Timer1's ticks, waited for together.
namespace ponderival::win32 {

// Waits up to timeout milliseconds for a tick or a message, then handles one tick if it is due
// and every message that is waiting. Returns the program's exit status once the window ended.
std::optional<int> processEvents(frmPonderival &window, DWORD timeout);

// Runs until the window ends, and returns the program's exit status.
int runEventLoop(frmPonderival &window);

} // namespace ponderival::win32
