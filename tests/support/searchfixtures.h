#pragma once

#include "panel.h"
#include "windowmodel.h"

#include <cstdint>
#include <string>

// Panel states the search reaches, computed from the puzzle's arithmetic rather than by stepping,
// for the tests and the benchmarks alike.
namespace searchfixtures {

// 1 + 2 + ... + n without any 32-bit limit.
[[nodiscard]] constexpr std::int64_t triangle(std::int64_t n)
{
    return n * (n + 1) / 2;
}

// first + (first + 1) + ... + last.
[[nodiscard]] constexpr std::int64_t sumOfHouses(std::int64_t first, std::int64_t last)
{
    return triangle(last) - triangle(first - 1);
}

// The panel as the step before candidate n + 2 leaves it: lblN n, lblTot 1 + ... + n.
inline void placeBefore(ponderival::Panel &panel, std::int64_t n)
{
    panel.setText(ponderival::Field::lblN, std::to_string(n));
    panel.setText(ponderival::Field::lblTot, std::to_string(triangle(n)));
    panel.setText(ponderival::Field::lblCivico, std::to_string(n + 1));
}

// The same as one event of a window's model, so that the window shows it.
inline void placeBefore(ponderival::WindowModel &model, std::int64_t n)
{
    model.run([n](ponderival::Panel &panel) { placeBefore(panel, n); });
}

} // namespace searchfixtures
