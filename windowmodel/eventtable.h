#pragma once

#include "frmponderivaldescription.h"
#include "panel.h"
#include "runcontrol.h"
#include "searchstep.h"

#include <array>

namespace ponderival {

using Procedure = void (*)(Panel &);

// Unloads the window: the window has no title bar, so this is its only close control.
void cmdEsc_Click(Panel &panel);

// Which control's click runs which procedure; a tick of Timer1 runs tickProcedure. No other event
// of the window or of its controls runs anything.
struct ClickRoute
{
    form::ControlId control;
    Procedure procedure;
};

inline constexpr std::array clickRoutes{
    ClickRoute{form::cmdStop, cmdStop_Click},
    ClickRoute{form::cmdEsc, cmdEsc_Click},
    ClickRoute{form::cmdAvanti, cmdAvanti_Click},
};
inline constexpr Procedure tickProcedure = Timer1_Timer;

// The procedure a click on this control runs, or null.
[[nodiscard]] constexpr Procedure clickProcedure(form::ControlId control)
{
    for (const ClickRoute &route : clickRoutes) {
        if (route.control == control) {
            return route.procedure;
        }
    }
    return nullptr;
}

} // namespace ponderival
