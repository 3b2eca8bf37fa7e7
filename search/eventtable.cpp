#include "eventtable.h"

namespace ponderival {

void cmdEsc_Click(Panel &panel)
{
    panel.unloadWindow();
}

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
