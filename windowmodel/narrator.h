#pragma once

#include "panel.h"
#include "windowport.h"

#include <array>
#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ponderival {

// The fields change a hundred times a second, far more than anyone can listen to: a screen reader
// hears their names at most this often, and at once when a run starts or stops.
inline constexpr std::chrono::milliseconds namePacing{250};

// A screen reader may read a message after the next one was sent (the first run halts 40 ms after
// it starts), so consecutive messages take a window's status slots in turn.
inline constexpr std::size_t statusSlots = 3;

// A field is named only if a column heading names it: the unseen fields never are.
[[nodiscard]] constexpr bool isSeen(Field field)
{
    return !fieldControl(field).control().heading.empty();
}

// The seen fields in the order a screen reader reads the table: the three columns' values.
inline constexpr auto seenFields = [] {
    std::array<Field, 3> fields{};
    std::size_t next = 0;
    for (const std::size_t index : form::readingOrder) {
        const auto field = fieldAt(form::ControlId::at(index).value());
        if (field && isSeen(*field)) {
            fields.at(next++) = *field;
        }
    }
    // A table with another number of columns does not compile.
    return next == fields.size() ? fields : throw std::logic_error("three seen fields");
}();

// A seen field as a screen reader names it: its column's heading, then its text if it has one
// ("Somma 15"; an empty "Case" is the heading alone).
[[nodiscard]] std::string spokenName(Field field, std::string_view text);

// The name a seen field opens with.
[[nodiscard]] inline std::string firstName(Field field)
{
    return spokenName(field, fieldControl(field).control().text);
}

// The seen fields that hold a text, named and joined: "Somma 15, Numero 6, Case 8".
[[nodiscard]] std::string spokenSummary(const Panel &panel);

// What a screen reader is told after each event that ended well: the caption a run starts or is
// halted with, or at a solution the answer and then the caption. cmdStop is described by the
// values it halted at, so that asking about it gives the answer again.
class Narrator
{
public:
    using Clock = std::chrono::steady_clock;

    explicit Narrator(const Panel &panel);

    // Names every seen field, as a window that has just opened must.
    void nameSeenFields(WindowPort &port);
    void eventHandled(const Panel &panel, std::string_view caption, WindowPort &port,
                      Clock::time_point now);

private:
    void nameFields(const Panel &panel, WindowPort &port, Clock::time_point now);
    static void runChanged(const Panel &panel, std::string_view caption, WindowPort &port);

    std::array<std::string, seenFields.size()> m_names;
    bool m_running;
    Clock::time_point m_named{};
};

} // namespace ponderival
