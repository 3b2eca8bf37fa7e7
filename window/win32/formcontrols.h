#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"
#include "gdiobject.h"
#include "panel.h"

#include <array>
#include <cstddef>
#include <optional>
#include <windows.h>

namespace ponderival::win32 {

inline constexpr int firstControlId = 100;

// Child ids follow the tab order from 100, clear of IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Esc.
[[nodiscard]] constexpr int controlId(form::ControlId control)
{
    return firstControlId + static_cast<int>(control.index());
}

// The described control a child id names, if any: the window has a screen reader's children too,
// and another program may send any id.
[[nodiscard]] constexpr std::optional<form::ControlId> controlOf(int id)
{
    return form::ControlId::at(static_cast<long long>(id) - firstControlId);
}

// The first id after the described controls'.
inline constexpr int firstOwnId = firstControlId + static_cast<int>(form::controls.size());

// The window's controls, made from the description as real child windows: labels are statics,
// the buttons are buttons and Shape1 is a static that draws its outline. It also keeps what they
// are drawn with: a font per face and size at the window's DPI, a brush per coloured control.
class FormControls
{
public:
    // Makes every control as a child of the window being created.
    void create(HWND parent);

    [[nodiscard]] HWND handle(form::ControlId control) const
    {
        return m_handles.at(control.index());
    }
    [[nodiscard]] HWND handle(Field field) const { return handle(fieldControl(field)); }

    // Places every control and gives it its font for the given DPI.
    void place(UINT dpi);

    // The fill a label's WM_CTLCOLORSTATIC answers with, its colours set into context.
    [[nodiscard]] HBRUSH labelFill(form::ControlId label, HDC context) const;
    // The current fill of a coloured button or a field.
    [[nodiscard]] HBRUSH fill(form::ControlId control) const
    {
        return m_fills.at(control.index()).get();
    }
    void setFill(form::ControlId control, Colour colour);

private:
    static constexpr std::size_t count = form::controls.size();

    void setFonts(UINT dpi);

    std::array<HWND, count> m_handles{};
    std::array<BrushObject, count> m_fills;
    // At the index of the first control that uses each font.
    std::array<FontObject, count> m_fonts;
};

} // namespace ponderival::win32
