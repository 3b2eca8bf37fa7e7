#pragma once

#include "panel.h"

// The page's window: the procedures its script calls when a control is clicked or Timer1 ticks,
// exported from the module under their own names (the script adds the usual leading "_").
extern "C" {
void cmdStop_Click() noexcept;
void cmdAvanti_Click() noexcept;
void cmdEsc_Click() noexcept;
void Timer1_Timer() noexcept;
}

namespace ponderival::web {

// Runs one event's procedure against the page's panel, unless the window is already unloaded.
void handleEvent(void (*procedure)(Panel &)) noexcept;

} // namespace ponderival::web
