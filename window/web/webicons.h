#pragma once

#include <array>
#include <string>

namespace ponderival::web {

// The sizes an installed page needs, drawn by resources/icons/make_icons.py beside the others.
inline constexpr std::array webIconSizes{192, 512};

[[nodiscard]] inline std::string iconFile(int size)
{
    return "icons/ponderival-" + std::to_string(size) + ".png";
}

} // namespace ponderival::web
