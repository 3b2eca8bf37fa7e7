#pragma once

#include "frmponderivaldescription.h"

#include <array>
#include <cstddef>

class QLabel;
class QPushButton;
class QWidget;

namespace ponderival::qt {

class ColourButton;

// The window and its controls, made at start-up from their description: labels, the coloured
// buttons, the unseen cmdAvanti and Shape1's outline, each named after its control so that tools,
// tests and a screen reader find it. The window owns them; this only keeps them by their place in
// the table.
class FormControls
{
public:
    explicit FormControls(QWidget &window);

    [[nodiscard]] QLabel &label(std::size_t index) const;
    [[nodiscard]] QPushButton &button(std::size_t index) const;
    [[nodiscard]] ColourButton &colourButton(std::size_t index) const;

private:
    std::array<QWidget *, form::controls.size()> m_widgets{};
};

} // namespace ponderival::qt
