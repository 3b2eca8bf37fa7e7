#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ponderival {

// The search keeps its whole state in the window's fields, the labels that the window's
// description marks as such. The procedures name them by this enumeration, in the table's order.
enum class Field : std::size_t { lblN, lblTot, lblCivico, lblTot2, lblCase };

inline constexpr std::size_t fieldCount = [] {
    std::size_t count = 0;
    for (const form::Control &control : form::controls) {
        count += control.kind == form::ControlKind::Field ? 1 : 0;
    }
    return count;
}();

// Each field's control, in the table's order.
[[nodiscard]] constexpr form::ControlId fieldControl(Field field)
{
    constexpr auto indices = [] {
        std::array<std::size_t, fieldCount> found{};
        std::size_t next = 0;
        for (std::size_t index = 0; index < form::controls.size(); ++index) {
            if (form::controls.at(index).kind == form::ControlKind::Field) {
                found.at(next++) = index;
            }
        }
        return found;
    }();
    return form::ControlId::at(indices.at(static_cast<std::size_t>(field))).value();
}

// The field this control holds, if it is one.
[[nodiscard]] constexpr std::optional<Field> fieldAt(form::ControlId control)
{
    for (std::size_t field = 0; field < fieldCount; ++field) {
        if (fieldControl(static_cast<Field>(field)) == control) {
            return static_cast<Field>(field);
        }
    }
    return std::nullopt;
}

[[nodiscard]] constexpr std::string_view fieldName(Field field)
{
    return fieldControl(field).control().name;
}

// The enumeration follows the table: a field renamed, added or moved there fails to compile here.
static_assert(fieldCount == 5 && fieldName(Field::lblN) == "lblN" &&
              fieldName(Field::lblTot) == "lblTot" && fieldName(Field::lblCivico) == "lblCivico" &&
              fieldName(Field::lblTot2) == "lblTot2" && fieldName(Field::lblCase) == "lblCase");

// The procedures' view of the window: its fields, Timer1's enabled flag, cmdStop's look and the
// window itself.
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

    // Unloads the window with its controls and Timer1; the program then ends.
    virtual void unloadWindow() = 0;
};

} // namespace ponderival
