#include "eventloop.h"
#include "frmponderival.h"

#include <cstdlib>
#include <exception>
#include <windows.h>

// The program starts straight into its window; nothing of the search runs before the first click.
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand)
{
    try {
        ponderival::win32::frmPonderival window;
        window.show(showCommand);
        for (;;) {
            if (const auto status = ponderival::win32::processEvents(window, INFINITE)) {
                return *status;
            }
        }
    } catch (const std::exception &) {
        MessageBoxW(nullptr, L"Impossibile aprire la finestra.", L"Ponderival", MB_ICONERROR);
        return EXIT_FAILURE;
    }
}
