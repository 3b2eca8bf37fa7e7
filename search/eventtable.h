#pragma once

#include "frmponderivaldescription.h"
#include "panel.h"
#include "runcontrol.h"
#include "searchstep.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace ponderival {

using Procedure = void (*)(Panel &);

// Unloads the window: the window has no title bar, so this is its only close control.
void cmdEsc_Click(Panel &panel);

// Which control's click runs which procedure; a tick of Timer1 runs tickProcedure. No other event
// of the window or of its controls runs anything.
struct ClickRoute
{
    std::string_view control;
    Procedure procedure;
};

inline constexpr std::array clickRoutes{
    ClickRoute{"cmdStop", cmdStop_Click},
    ClickRoute{"cmdEsc", cmdEsc_Click},
    ClickRoute{"cmdAvanti", cmdAvanti_Click},
};
inline constexpr Procedure tickProcedure = Timer1_Timer;

// The procedure a click on the control at this place of the window's description runs, or null.
[[nodiscard]] Procedure clickProcedure(std::size_t control);

} // namespace ponderival
