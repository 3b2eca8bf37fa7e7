#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"
#include "panel.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <type_traits>
#include <windows.h>

namespace ponderival::win32 {

// Child ids follow the tab order from 100, clear of IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Esc.
inline constexpr int firstControlId = 100;

[[nodiscard]] constexpr int controlId(form::ControlId control)
{
    return firstControlId + static_cast<int>(control.index());
}

// None for the screen reader's status controls, nor for whatever id another program sends.
[[nodiscard]] constexpr std::optional<form::ControlId> controlOf(int id)
{
    return form::ControlId::at(id - firstControlId);
}

// The first id after the described controls'.
inline constexpr int firstOwnId = firstControlId + static_cast<int>(form::controls.size());

struct DeleteGdiObject
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using FontObject = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteGdiObject>;
using BrushObject = std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteGdiObject>;

// The described controls as real child windows, with the fonts and fills they are drawn with.
class FormControls
{
public:
    // Children of the window being created, in their places and fonts for the given DPI.
    void create(HWND parent, UINT dpi);

    [[nodiscard]] HWND handle(form::ControlId control) const
    {
        return m_handles.at(control.index());
    }
    [[nodiscard]] HWND handle(Field field) const { return handle(fieldControl(field)); }

    // Places every control again and gives it its font for a new DPI.
    void place(UINT dpi);

    // WM_CTLCOLORSTATIC's answer for a label, its colours set into context.
    [[nodiscard]] HBRUSH labelFill(form::ControlId label, HDC context) const;
    [[nodiscard]] HBRUSH fill(form::ControlId control) const
    {
        return m_fills.at(control.index()).get();
    }
    void setFill(form::ControlId control, Colour colour);

private:
    static constexpr std::size_t count = form::controls.size();

    void setFonts(UINT dpi, BOOL redraw);

    std::array<HWND, count> m_handles{};
    std::array<BrushObject, count> m_fills;
    // At the index of the first control that uses each font.
    std::array<FontObject, count> m_fonts;
};

} // namespace ponderival::win32
