#include "frmponderival.h"

#include "controlpanel.h"
#include "runcontrol.h"
#include "searchstep.h"

#include <emscripten/emscripten.h>

namespace ponderival::web {

namespace {

// The window lives as long as the page: there is one, made when the page first uses it.
ControlPanel &frmPonderival()
{
    static ControlPanel panel;
    return panel;
}

} // namespace

void handleEvent(void (*procedure)(Panel &)) noexcept
{
    ControlPanel &panel = frmPonderival();
    // A tick or a click already queued when the window went runs nothing.
    if (!panel.unloaded()) {
        panel.handleEvent(procedure);
    }
}

} // namespace ponderival::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void cmdStop_Click() noexcept
{
    ponderival::web::handleEvent(ponderival::cmdStop_Click);
}

EMSCRIPTEN_KEEPALIVE void cmdAvanti_Click() noexcept
{
    ponderival::web::handleEvent(ponderival::cmdAvanti_Click);
}

EMSCRIPTEN_KEEPALIVE void Timer1_Timer() noexcept
{
    ponderival::web::handleEvent(ponderival::Timer1_Timer);
}

// The window has no title bar: cmdEsc is its only way to close.
EMSCRIPTEN_KEEPALIVE void cmdEsc_Click() noexcept
{
    ponderival::web::frmPonderival().unload();
}

} // extern "C"
