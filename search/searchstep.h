#pragma once

#include "panel.h"

#include <cstdint>

namespace ponderival {

// No street longer than this is ever considered, which is why the search finds exactly five
// solutions before the sum of the houses before the candidate overflows.
inline constexpr std::int32_t lastHouse = 10000;

// One step of the search: advances the candidate house by one and adds the houses after it until
// their sum reaches or passes the sum before it. At a solution it shows the street length and
// halts the run. Raises RuntimeError (overflow) with the texts written so far left in place.
void cmdAvanti_Click(Panel &panel);

} // namespace ponderival
