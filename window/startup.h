#pragma once

namespace ponderival {

// False when the platform would have no display to open the window on. Qt would then abort with
// a core dump; the program says so in a sentence instead.
[[nodiscard]] bool displayAvailable();

// Qt aborts when a display is named but cannot be reached; this turns that into a clear message
// and exit status 1.
void exitCleanlyOnFatalMessages();

// The program's identity and a look that does not depend on the desktop's theme.
void configureApplication();

} // namespace ponderival
