#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The conversions between the panel's texts and numbers. They never depend on the locale: the
// panel holds plain decimal digits whatever language the desktop speaks.
namespace ponderival {

// Reads a whole text as a decimal integer. Raises the overflow error outside the 32-bit range,
// and the type mismatch error for anything that is not a decimal number (never a silent 0).
[[nodiscard]] std::int32_t textToInt32(std::string_view text);

// Plain digits, a leading "-" for negative values only.
[[nodiscard]] std::string int32ToText(std::int32_t value);

// The same digits held in place, for the search's inner loop, which writes one for every house it
// adds: nothing is allocated, and with nothing to free a WebAssembly build calls on directly
// instead of through the script's exception trampolines.
class Int32Text
{
public:
    explicit Int32Text(std::int32_t value) noexcept;
    [[nodiscard]] std::string_view view() const noexcept { return {m_digits.data(), m_size}; }

private:
    std::array<char, 11> m_digits{}; // "-2147483648"
    std::size_t m_size = 0;
};

// Reads a whole text as a decimal number: an optional "-", digits, optionally a point and digits,
// optionally an exponent. Same errors as textToInt32.
[[nodiscard]] double textToDouble(std::string_view text);

// Integral values come out exactly as int32ToText writes them: no point, no exponent. Others take
// the fewest decimals that read back as the same value.
[[nodiscard]] std::string doubleToText(double value);

} // namespace ponderival
