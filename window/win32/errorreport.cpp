#include "errorreport.h"

#include "widetext.h"

std::wstring runtimeErrorText(const ponderival::RuntimeError &error)
{
    return L"Errore di run-time '" + std::to_wstring(error.number()) + L"':\n\n" +
           ponderival::win32::toWide(error.description());
}

void showRuntimeErrorMessage(HWND owner, const ponderival::RuntimeError &error)
{
    MessageBoxW(owner, runtimeErrorText(error).c_str(), L"Ponderival",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}
