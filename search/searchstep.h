#pragma once

#include "panel.h"

#include <cstdint>

namespace ponderival {

// No street longer than this is ever considered, which is why the search finds exactly five
// solutions before the sum of the houses before the candidate overflows.
inline constexpr std::int32_t lastHouse = 10000;

// Advances the candidate and adds the houses after it until their sum reaches or passes the sum
// before it; a solution halts the run. An overflow leaves the texts written so far in place.
void cmdAvanti_Click(Panel &panel);

} // namespace ponderival
