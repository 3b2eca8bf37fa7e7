#include "formcontrols.h"

#include "dpi.h"
#include "widetext.h"

#include <stdexcept>
#include <string>

namespace ponderival::win32 {

namespace {

using form::Control;
using form::ControlKind;

// The arrow keys move the focus within a group of controls, so a group starts wherever taking the
// focus begins or ends: the two buttons make one group, and the labels never share it.
bool startsGroup(std::size_t index)
{
    return index == 0 || form::takesFocus(form::controls.at(index)) !=
                             form::takesFocus(form::controls.at(index - 1));
}

DWORD styleOf(std::size_t index)
{
    const Control &control = form::controls.at(index);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible ? WS_VISIBLE : 0U) |
                  (form::takesFocus(control) ? WS_TABSTOP : 0U) |
                  (startsGroup(index) ? WS_GROUP : 0U);
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Field:
        // A centred static wraps its words by itself, as the statement needs; no & is a prefix.
        return style | SS_CENTER | SS_NOPREFIX;
    case ControlKind::Button:
        // The coloured buttons draw themselves: a push button ignores any colour it is given.
        return style | (control.fill == form::Fill::Colour ? static_cast<DWORD>(BS_OWNERDRAW)
                                                           : static_cast<DWORD>(BS_PUSHBUTTON));
    case ControlKind::Shape:
        return style | SS_OWNERDRAW;
    }
    return style;
}

// Edges are scaled rather than sizes, so neighbours stay as far apart as described.
RECT placeOf(std::size_t index, UINT dpi)
{
    const form::Twips &place = form::controls.at(index).place;
    return {pixelsAt(place.left, dpi), pixelsAt(place.top, dpi),
            pixelsAt(place.left + place.width, dpi), pixelsAt(place.top + place.height, dpi)};
}

HWND createControl(HWND parent, std::size_t index, const RECT &place)
{
    const Control &control = form::controls.at(index);
    const wchar_t *windowClass = control.kind == ControlKind::Button ? L"BUTTON" : L"STATIC";
    const auto id =
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId) + static_cast<INT_PTR>(index));
    const HWND handle =
        CreateWindowExW(0, windowClass, toWide(control.text).c_str(), styleOf(index), place.left,
                        place.top, place.right - place.left, place.bottom - place.top, parent, id,
                        GetModuleHandleW(nullptr), nullptr);
    if (handle == nullptr) {
        throw std::runtime_error("CreateWindowExW");
    }
    return handle;
}

// A one-pixel frame; the window that gets it owns it.
HRGN outlineRegion(const RECT &place)
{
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const HRGN outline = CreateRectRgn(0, 0, width, height);
    const HRGN inside = CreateRectRgn(1, 1, width - 1, height - 1);
    CombineRgn(outline, outline, inside, RGN_DIFF);
    DeleteObject(inside);
    return outline;
}

// Always the scalable face: the raster MS Sans Serif has its few sizes at 96 dpi only and would be
// stretched at any other, and one face at every DPI keeps the window alike on every monitor.
FontObject createFont(const form::Font &font, UINT dpi)
{
    LOGFONTW description{};
    description.lfHeight = fontHeightAt(font, dpi);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    const std::wstring face = toWide(form::faceOf(font).scalable);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return FontObject(CreateFontIndirectW(&description));
}

} // namespace

// Made where they belong, with their fonts and the outline's region given without a redraw: the
// window is not shown yet, and under Wine every move and redraw of a child costs its own round
// trips to the server before the first paint.
void FormControls::create(HWND parent, UINT dpi)
{
    for (std::size_t index = 0; index < count; ++index) {
        const Control &control = form::controls.at(index);
        const RECT place = placeOf(index, dpi);
        m_handles.at(index) = createControl(parent, index, place);
        if (control.fill == form::Fill::Colour) {
            m_fills.at(index).reset(CreateSolidBrush(control.background.value));
        }
        // The outline lies above the labels, so it shows through the transparent credit line
        // whose bottom row it shares; its region is the line alone, so nothing else is covered.
        if (control.kind == ControlKind::Shape) {
            SetWindowPos(m_handles.at(index), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetWindowRgn(m_handles.at(index), outlineRegion(place), FALSE);
        }
    }
    setFonts(dpi, FALSE);
}

void FormControls::place(UINT dpi)
{
    for (std::size_t index = 0; index < count; ++index) {
        const RECT place = placeOf(index, dpi);
        SetWindowPos(m_handles.at(index), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (form::controls.at(index).kind == ControlKind::Shape) {
            SetWindowRgn(m_handles.at(index), outlineRegion(place), TRUE);
        }
    }
    setFonts(dpi, TRUE);
}

void FormControls::setFonts(UINT dpi, BOOL redraw)
{
    // Controls of one face and size share a font. The new fonts are handed out before the old ones
    // are deleted, so no control is ever left with a deleted font.
    std::array<FontObject, count> fonts;
    for (std::size_t index = 0; index < count; ++index) {
        const form::Font &font = form::controls.at(index).font;
        std::size_t maker = 0;
        while (form::controls.at(maker).font != font) {
            ++maker;
        }
        if (maker == index) {
            fonts.at(index) = createFont(font, dpi);
        }
        SendMessageW(m_handles.at(index), WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.at(maker).get()), redraw);
    }
    m_fonts = std::move(fonts);
}

HBRUSH FormControls::labelFill(form::ControlId label, HDC context) const
{
    const Colour text{GetSysColor(COLOR_WINDOWTEXT)};
    SetTextColor(context, text.value);
    if (label.control().fill == form::Fill::Colour) {
        const Colour background = label.control().background;
        SetTextColor(context, readableOn(background, text).value);
        SetBkColor(context, background.value);
        return fill(label);
    }
    // Transparent labels lie on the window's face alone, so they are filled with it.
    SetBkColor(context, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void FormControls::setFill(form::ControlId control, Colour colour)
{
    m_fills.at(control.index()).reset(CreateSolidBrush(colour.value));
    InvalidateRect(handle(control), nullptr, FALSE);
}

} // namespace ponderival::win32
