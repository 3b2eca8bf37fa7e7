#include "errorreport.h"

#include "widetext.h"

namespace ponderival::win32 {

void showRuntimeErrorMessage(HWND owner, const RuntimeError &error)
{
    MessageBoxW(owner, toWide(runtimeErrorText(error)).c_str(), toWide(runtimeErrorTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace ponderival::win32
