#pragma once

#include <array>

// The stretch of the search that the tick benchmarks time, in the Qt window, the Windows one and
// the page (bench/figures.py reads firstN from here): from the click after the third solution
// (house 204 in a street of 288) until the fourth halts it (house 1189 in a street of 1681). No
// halt falls inside it, so every tick of it is a step.
namespace tickleg {

// The street lengths of the first three solutions, which Ponderival shows before the leg.
inline constexpr std::array<int, 3> streetsBefore{8, 49, 288};

inline constexpr long long firstN = 203;
inline constexpr int ticks = 985;
inline constexpr long long lastN = firstN + ticks;

[[nodiscard]] constexpr long long sumUpTo(long long n)
{
    return n * (n + 1) / 2;
}

} // namespace tickleg
