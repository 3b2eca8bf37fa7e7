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

// The window and its controls, made at start-up from their description: labels, the coloured
// buttons, the unseen cmdAvanti and Shape1's outline, each named after its control so that tools,
// tests and a screen reader find it. The window owns them; this keeps typed handles to the ones the
// window uses, made as their kind in the description says.
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
