#pragma once

#include "runtimeerror.h"

#include <functional>
#include <string>
#include <windows.h>

// Tells the user of a run-time error that nothing handled. The window calls it once, with Timer1
// already stopped, and ends the program after it returns; tests put a recorder in its place.
using ErrorReporter = std::function<void(const ponderival::RuntimeError &)>;

// "Errore di run-time '6':" followed by the description on a line of its own.
[[nodiscard]] std::wstring runtimeErrorText(const ponderival::RuntimeError &error);

// A modal message box with an error icon and one button; returns once the user acknowledged it.
void showRuntimeErrorMessage(HWND owner, const ponderival::RuntimeError &error);
