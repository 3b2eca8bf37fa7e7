#include "runcontrol.h"

#include "runstate.h"
#include "searchstep.h"

namespace ponderival {

void cmdStop_Click(Panel &panel)
{
    if (panel.timerEnabled()) {
        enterRunState(panel, RunState::Idle);
        return;
    }
    enterRunState(panel, RunState::Running);
    panel.setText(Field::lblCase, "");
}

void Timer1_Timer(Panel &panel)
{
    cmdAvanti_Click(panel);
}

} // namespace ponderival
