#include "runstate.h"

namespace ponderival {

void enterRunState(Panel &panel, RunState state)
{
    const bool running = state == RunState::Running;
    const form::ButtonLook &look = running ? form::stopRunningLook : form::stopIdleLook;
    panel.setTimerEnabled(running);
    panel.setStopCaption(look.caption);
    panel.setStopBackground(look.background);
}

} // namespace ponderival
