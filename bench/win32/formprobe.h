#pragma once

#include "frmponderivaldescription.h"

#include <string>
#include <string_view>
#include <windows.h>

// A described place in pixels at 96 dpi, as Windows gives a control's rectangle.
[[nodiscard]] inline RECT pixelsOf(const ponderival::form::Twips &place)
{
    namespace form = ponderival::form;
    return {form::pixels(place.left), form::pixels(place.top),
            form::pixels(place.left + place.width), form::pixels(place.top + place.height)};
}

// Another program's frmPonderival seen from outside: its controls found by their described places
// (in pixels at 96 dpi), their texts read and their buttons pressed as any program may do with
// static and button controls, and the colours the screen shows inside them.
class FormProbe
{
public:
    explicit FormProbe(HWND window) : m_window(window) {}

    // The child control lying exactly at the described place of this control, or nullptr.
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] static std::wstring text(HWND control);
    void click(std::string_view name) const;
    // Whether the screen shows the control's described colour at a point inside it, away from
    // its centred text, its edge and a focus rectangle.
    [[nodiscard]] bool showsOwnColour(const ponderival::form::Control &control) const;
    // Whether the screen shows the dialog face colour at the top-left corner of the client area.
    [[nodiscard]] bool showsFace() const;

private:
    [[nodiscard]] COLORREF screenColour(POINT client) const;

    HWND m_window;
};
