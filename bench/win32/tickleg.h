#pragma once

#include <array>
#include <string_view>

// The stretch of the search that the tick benchmarks time: from the click after the third solution
// (house 204 in a street of 288) until the fourth halts it (house 1189 in a street of 1681). No
// halt falls inside it, so every tick of it is a step.
namespace tickleg {

// The street lengths of the first three solutions, which Ponderival shows before the leg.
inline constexpr std::array<std::wstring_view, 3> streetsBefore{L"8", L"49", L"288"};

inline constexpr long long firstN = 203;
inline constexpr int ticks = 985;
inline constexpr long long lastN = firstN + ticks;

[[nodiscard]] constexpr long long sumUpTo(long long n)
{
    return n * (n + 1) / 2;
}

} // namespace tickleg
