#include "runstate.h"

namespace ponderival {

void enterRunState(Panel &panel, RunState state)
{
    const RunLook &look = runLook(state);
    panel.setTimerEnabled(look.timerEnabled);
    panel.setStopCaption(look.caption);
    panel.setStopBackground(look.background);
}

} // namespace ponderival
