#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ponderival {

// The search keeps its whole state in the window's controls, so it reads and writes only through
// this small interface. The window implements it over its real labels, timer and button; tests
// and benchmarks use MemoryPanel.
enum class Field : std::size_t { lblN, lblTot, lblCivico, lblTot2, lblCase };

inline constexpr std::size_t fieldCount = 5;

inline constexpr std::array<std::string_view, fieldCount> fieldNames{"lblN", "lblTot", "lblCivico",
                                                                     "lblTot2", "lblCase"};

[[nodiscard]] constexpr std::string_view fieldName(Field field)
{
    return fieldNames.at(static_cast<std::size_t>(field));
}

// The fields' texts as the window opens, which satisfy the invariants for n = 1: lblTot is
// 1 + ... + n and lblCivico is n + 1.
inline constexpr std::array<std::string_view, fieldCount> initialTexts = [] {
    std::array<std::string_view, fieldCount> texts{};
    for (std::size_t index = 0; index < fieldCount; ++index) {
        texts.at(index) = form::findControl(fieldNames.at(index)).value().text;
    }
    return texts;
}();

class Panel
{
public:
    Panel() = default;
    Panel(const Panel &) = delete;
    Panel &operator=(const Panel &) = delete;
    Panel(Panel &&) = delete;
    Panel &operator=(Panel &&) = delete;
    virtual ~Panel() = default;

    [[nodiscard]] virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    // Timer1's enabled flag; enabling it starts the ticks and disabling it stops them.
    [[nodiscard]] virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    virtual void setStopCaption(std::string_view caption) = 0;
    virtual void setStopBackground(Colour background) = 0;
};

} // namespace ponderival
