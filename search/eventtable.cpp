#include "eventtable.h"

#include "runcontrol.h"
#include "searchstep.h"

namespace ponderival {

void cmdEsc_Click(Panel &panel)
{
    panel.unloadWindow();
}

const std::array<ClickRoute, 3> clickRoutes{{
    {"cmdStop", cmdStop_Click},
    {"cmdEsc", cmdEsc_Click},
    {"cmdAvanti", cmdAvanti_Click},
}};

const Procedure tickProcedure = Timer1_Timer;

Procedure clickProcedure(std::size_t control)
{
    const std::string_view name = form::controls.at(control).name;
    for (const ClickRoute &route : clickRoutes) {
        if (route.control == name) {
            return route.procedure;
        }
    }
    return nullptr;
}

} // namespace ponderival
