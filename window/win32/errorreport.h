#pragma once

#include "runtimeerror.h"
#include "widetext.h"

#include <windows.h>

namespace ponderival::win32 {

// Modal, with an error icon and one button; returns once the user acknowledged it.
inline void showRuntimeErrorMessage(HWND owner, const RuntimeError &error)
{
    MessageBoxW(owner, toWide(runtimeErrorText(error)).c_str(), toWide(runtimeErrorTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace ponderival::win32
