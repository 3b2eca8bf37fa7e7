#pragma once

#include <stdexcept>
#include <string>

namespace ponderival {

// A numbered run-time error, raised by a procedure and passed back to its caller until an event
// boundary reports it. The numbers are the ones this kind of program has always reported.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &description)
        : std::runtime_error(description), m_number(number)
    {}

    [[nodiscard]] int number() const noexcept { return m_number; }
    [[nodiscard]] std::string description() const { return what(); }

    [[nodiscard]] static RuntimeError overflow() { return {6, "Overflow"}; }
    [[nodiscard]] static RuntimeError typeMismatch() { return {13, "Tipo non corrispondente"}; }
    // A failure of the program itself rather than of the search, reported the same way.
    [[nodiscard]] static RuntimeError internal() { return {51, "Errore interno"}; }

private:
    int m_number;
};

// The report's title and text: "Errore di run-time '6':", a blank line, then the description.
inline constexpr const char *runtimeErrorTitle = "Ponderival";

[[nodiscard]] inline std::string runtimeErrorText(const RuntimeError &error)
{
    return "Errore di run-time '" + std::to_string(error.number()) + "':\n\n" + error.description();
}

} // namespace ponderival
