#pragma once

#include "panel.h"

namespace ponderival {

// Starts the search when it is idle (and clears the last street length), halts it when running.
void cmdStop_Click(Panel &panel);

// One step per tick. A failing step's error goes on to the caller, which reports it.
void Timer1_Timer(Panel &panel);

} // namespace ponderival
