#pragma once

#include "frmponderivaldescription.h"
#include "panel.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace ponderival::qt {

class ColourButton;

// The window's controls, made at start-up from their description and owned by the window; this
// keeps typed handles to the ones the window's port uses.
class FormControls
{
public:
    explicit FormControls(QWidget &window);

    [[nodiscard]] QLabel &field(Field field) const
    {
        return *m_fields.at(static_cast<std::size_t>(field));
    }
    [[nodiscard]] ColourButton &cmdStop() const { return *m_cmdStop; }
    // Every button with its control, for wiring its clicks.
    [[nodiscard]] const std::vector<std::pair<form::ControlId, QPushButton *>> &buttons() const
    {
        return m_buttons;
    }

private:
    QWidget *makeControl(form::ControlId id, QWidget &window);

    std::array<QLabel *, fieldCount> m_fields{};
    ColourButton *m_cmdStop = nullptr;
    std::vector<std::pair<form::ControlId, QPushButton *>> m_buttons;
};

} // namespace ponderival::qt
