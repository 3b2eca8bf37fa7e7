#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"
#include "gdiobject.h"
#include "panel.h"

#include <array>
#include <cstddef>
#include <windows.h>

namespace ponderival::win32 {

inline constexpr int firstControlId = 100;

// Child ids follow the tab order from 100, clear of IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Esc.
[[nodiscard]] constexpr int controlId(std::size_t index)
{
    return firstControlId + static_cast<int>(index);
}

[[nodiscard]] constexpr std::size_t controlIndex(int id)
{
    return static_cast<std::size_t>(id - firstControlId);
}

// Whether a child's id is one of the described controls' (the window has a screen reader's too).
[[nodiscard]] constexpr bool isFormControl(int id)
{
    return id >= firstControlId && controlIndex(id) < form::controls.size();
}

// The first id after the described controls'.
inline constexpr int firstOwnId = controlId(form::controls.size());

// The window's controls, made from the description as real child windows: labels are statics,
// the buttons are buttons and Shape1 is a static that draws its outline. It also keeps what they
// are drawn with: a font per face and size at the window's DPI, a brush per coloured control.
class FormControls
{
public:
    // Makes every control as a child of the window being created.
    void create(HWND parent);

    [[nodiscard]] HWND handle(std::size_t index) const { return m_handles.at(index); }
    [[nodiscard]] HWND handle(Field field) const
    {
        return handle(fieldControls.at(static_cast<std::size_t>(field)));
    }

    // Places every control and gives it its font for the given DPI.
    void place(UINT dpi);

    // The fill a label's WM_CTLCOLORSTATIC answers with, its colours set into context.
    [[nodiscard]] HBRUSH labelFill(std::size_t index, HDC context) const;
    // The current fill of a coloured button or a field.
    [[nodiscard]] HBRUSH fill(std::size_t index) const { return m_fills.at(index).get(); }
    void setFill(std::size_t index, Colour colour);

private:
    static constexpr std::size_t count = form::controls.size();

    void setFonts(UINT dpi);

    std::array<HWND, count> m_handles{};
    std::array<BrushObject, count> m_fills;
    // At the index of the first control that uses each font.
    std::array<FontObject, count> m_fonts;
};

} // namespace ponderival::win32
