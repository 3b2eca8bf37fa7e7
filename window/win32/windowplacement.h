#pragma once

#include <windows.h>

// Where the window goes and what it is made of, before any control exists.
namespace ponderival::win32 {

// The window class, with the program's icon (resource 1) for the window and its taskbar button.
void registerWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure);

// The work area of the monitor the user is looking at: the one under the pointer.
[[nodiscard]] RECT workAreaUnderPointer();

// A width × height rectangle centred on area.
[[nodiscard]] RECT centredIn(const RECT &area, int width, int height);

// How the window first shows for the way the program was asked to start: minimised if asked, and
// otherwise at its own size, as it was made; it cannot be resized, so it is never maximised.
[[nodiscard]] int openingShowCommand(int requested);

} // namespace ponderival::win32
