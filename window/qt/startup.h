#pragma once

namespace ponderival {

// Runs before the application object exists. Returns false, having said why, when there is no
// display to open the window on: Qt would abort with a core dump instead. A display that is named
// but cannot be reached is likewise reported in a sentence, with exit status 1. Where the user
// has not chosen, it also picks X11 over Wayland when both are there, so that the window opens
// centred on the screen.
[[nodiscard]] bool prepareToStart();

// The program's identity and a look that does not depend on the desktop's theme.
void configureApplication();

} // namespace ponderival
