#pragma once

#include "runtimeerror.h"

#include <cstdint>
#include <limits>

namespace ponderival {

// Every integer of the search is 32 bits wide, and leaving that range is an error rather than a
// wrap-around: a wrapped sum would show a wrong answer instead of ending the search.
[[nodiscard]] constexpr std::int32_t narrowToInt32(std::int64_t wide)
{
    if (wide < std::numeric_limits<std::int32_t>::min() ||
        wide > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError::overflow();
    }
    return static_cast<std::int32_t>(wide);
}

[[nodiscard]] constexpr std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    return narrowToInt32(std::int64_t{a} + std::int64_t{b});
}

} // namespace ponderival
