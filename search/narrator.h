#pragma once

#include "panel.h"
#include "windowport.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace ponderival {

// While the search runs, the fields change a hundred times a second: far more than anyone can
// listen to. A screen reader hears their names at most this often, and at once when a run starts
// or stops.
inline constexpr std::chrono::milliseconds namePacing{250};

// The fields a column heading names, in the order a screen reader reads the table. The unseen
// fields have no heading and are never named.
inline constexpr std::size_t seenFieldCount = [] {
    std::size_t count = 0;
    for (const form::Control &control : form::controls) {
        count += control.kind == form::ControlKind::Field && !control.heading.empty() ? 1 : 0;
    }
    return count;
}();

inline constexpr std::array<Field, seenFieldCount> seenFields = [] {
    std::array<Field, seenFieldCount> fields{};
    std::size_t next = 0;
    for (const std::size_t index : form::readingOrder) {
        for (std::size_t field = 0; field < fieldCount; ++field) {
            if (fieldControls.at(field) == index && !form::controls.at(index).heading.empty()) {
                fields.at(next++) = static_cast<Field>(field);
            }
        }
    }
    return fields;
}();

static_assert(seenFieldCount == 3 && seenFields.back() == Field::lblCase);

// A seen field as a screen reader names it: its column's heading, then its text if it has one
// ("Somma 15"; an empty "Case" is the heading alone).
[[nodiscard]] std::string spokenName(Field field, std::string_view text);

// The seen fields that hold a text, named and joined: "Somma 15, Numero 6, Case 8".
[[nodiscard]] std::string spokenSummary(const Panel &panel);

// What a screen reader is told of the search, decided once for every window, after each event
// that ended well and once its texts are on show: a run that starts says the running caption; a
// run halted by hand, the idle caption; a solution, the answer with its headings and then the idle
// caption. cmdStop is described by the values it halted at, so that asking about it gives the
// answer again.
class Narrator
{
public:
    using Clock = std::chrono::steady_clock;

    explicit Narrator(const Panel &panel);

    void eventHandled(const Panel &panel, std::string_view caption, WindowPort &port,
                      Clock::time_point now);

private:
    void nameFields(const Panel &panel, WindowPort &port, Clock::time_point now);
    static void runChanged(const Panel &panel, std::string_view caption, WindowPort &port);

    std::array<std::string, seenFieldCount> m_names;
    bool m_running;
    Clock::time_point m_named{};
};

} // namespace ponderival
