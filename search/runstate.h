#pragma once

#include "panel.h"

namespace ponderival {

// The run state lives in Timer1's enabled flag; cmdStop's caption and background only mirror it.
enum class RunState { Idle, Running };

// Sets the flag first, then the caption, then the background, whatever the state was before.
void enterRunState(Panel &panel, RunState state);

} // namespace ponderival
