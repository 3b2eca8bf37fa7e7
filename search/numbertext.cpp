#include "numbertext.h"

#include "runtimeerror.h"

#include <array>
#include <charconv>
#include <system_error>

namespace ponderival {

namespace {

// Wide enough for the shortest form of any double in fixed notation.
using TextBuffer = std::array<char, 400>;

// from_chars takes a leading "-" but no "+" or blank, and it stops at the first character it
// cannot use; the whole text must be used, so that "12ab" is refused rather than read as 12.
template <typename Number> Number parseWholeText(std::string_view text)
{
    Number value{};
    const char *const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::result_out_of_range && stop == end) {
        throw RuntimeError::overflow();
    }
    if (error != std::errc{} || stop != end) {
        throw RuntimeError::typeMismatch();
    }
    return value;
}

} // namespace

std::int32_t textToInt32(std::string_view text)
{
    return parseWholeText<std::int32_t>(text);
}

std::string int32ToText(std::int32_t value)
{
    // Eleven characters hold "-2147483648" and fit the string's own buffer, so the digits are
    // written in place: this runs once for every house the search adds.
    std::string text(11, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

double textToDouble(std::string_view text)
{
    return parseWholeText<double>(text);
}

std::string doubleToText(double value)
{
    // Minus zero is not negative, so it reads "0" as the integer 0 would.
    if (value == 0.0) {
        value = 0.0;
    }
    TextBuffer digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
    return {digits.data(), result.ptr};
}

} // namespace ponderival
