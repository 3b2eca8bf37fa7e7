#include "numbertext.h"

#include "runtimeerror.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace ponderival {

namespace {

// Enough decimals for any double to read back as itself: the smallest normal doubles have their
// first digit 308 places after the point, and 17 digits take them to place 324; the subnormal ones
// below them need fewer digits.
constexpr int mostDecimals =
    std::numeric_limits<double>::max_digits10 - std::numeric_limits<double>::min_exponent10;

// Holds the fixed form of every whole double (up to 309 digits) and of every other one with up to
// mostDecimals decimals (those are below 2^52, so 16 digits at most come before the point).
using TextBuffer = std::array<char, 400>;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Drops the first character of text if it is one of chars.
bool skipOneOf(std::string_view &text, std::string_view chars)
{
    if (text.empty() || chars.find(text.front()) == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// Drops the digits at the front of text; false when there were none.
bool skipDigits(std::string_view &text)
{
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    text.remove_prefix(count);
    return count > 0;
}

// An optional "-", digits, optionally a point and digits, optionally an exponent: nothing the C
// library would also read (blanks, "+", "inf", "nan", hexadecimal) gets through to it.
bool isDecimalNumber(std::string_view text)
{
    skipOneOf(text, "-");
    if (!skipDigits(text) || (skipOneOf(text, ".") && !skipDigits(text))) {
        return false;
    }
    if (skipOneOf(text, "eE")) {
        skipOneOf(text, "+-");
        if (!skipDigits(text)) {
            return false;
        }
    }
    return text.empty();
}

void replaceFirst(std::string &text, std::string_view from, std::string_view to)
{
    if (const auto at = text.find(from); at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
}

// strtod and printf take and write the decimal point of the C library's locale, which follows
// the desktop's language (a comma in Italian) once a window has set it up; the panel's is ".".
std::string_view localPoint()
{
    return std::localeconv()->decimal_point;
}

} // namespace

std::int32_t textToInt32(std::string_view text)
{
    // from_chars takes a leading "-" but no "+" or blank, and it stops at the first character it
    // cannot use; the whole text must be used, so that "12ab" is refused rather than read as 12.
    std::int32_t value{};
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

Int32Text::Int32Text(std::int32_t value) noexcept
{
    const auto result = std::to_chars(m_digits.data(), m_digits.data() + m_digits.size(), value);
    m_size = static_cast<std::size_t>(result.ptr - m_digits.data());
}

std::string int32ToText(std::int32_t value)
{
    return std::string(Int32Text(value).view());
}

// Not every C++ library reads and writes doubles with from_chars and to_chars yet (Emscripten's
// has only the integer ones), so doubles take the C library's route on every build alike.
double textToDouble(std::string_view text)
{
    if (!isDecimalNumber(text)) {
        throw RuntimeError::typeMismatch();
    }
    std::string local(text);
    replaceFirst(local, ".", localPoint());
    char *stop = nullptr;
    const double value = std::strtod(local.c_str(), &stop);
    if (stop != local.c_str() + local.size()) {
        throw RuntimeError::typeMismatch();
    }
    if (std::isinf(value)) {
        throw RuntimeError::overflow();
    }
    return value;
}

std::string doubleToText(double value)
{
    // Minus zero is not negative, so it reads "0" as the integer 0 would.
    if (value == 0.0) {
        value = 0.0;
    }
    // printf writes the whole part exactly, so the fewest decimals that read back as the same
    // value give the shortest fixed form; whole numbers, all the search writes, need none.
    TextBuffer digits{};
    int length = 0;
    for (int decimals = 0; decimals <= mostDecimals; ++decimals) {
        length = std::snprintf(digits.data(), digits.size(), "%.*f", decimals, value);
        if (std::strtod(digits.data(), nullptr) == value) {
            break;
        }
    }
    std::string text(digits.data(), std::min(static_cast<std::size_t>(length), digits.size() - 1));
    replaceFirst(text, localPoint(), ".");
    return text;
}

} // namespace ponderival
