#pragma once

#include "runtimeerror.h"

#include <windows.h>

namespace ponderival::win32 {

// A modal message box with an error icon and one button, its text runtimeErrorText's; returns once
// the user acknowledged it.
void showRuntimeErrorMessage(HWND owner, const RuntimeError &error);

} // namespace ponderival::win32
