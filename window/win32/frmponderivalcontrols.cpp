#include "dpi.h"
#include "frmponderival.h"
#include "frmponderivaldescription.h"
#include "selectedobject.h"
#include "widetext.h"

#include <windows.h>
#include <windowsx.h>

// The messages the controls send their window: clicks, drawing, colours and the keyboard focus.
namespace ponderival::win32 {

namespace {

constexpr int focusInset = 60; // twips: 4 pixels at 96 dpi

// A push button ignores the colour it is given, so the coloured buttons draw themselves: a raised
// edge (sunken while pressed) and a dotted focus rectangle inside it, on the same fill throughout.
void drawColourButton(const DRAWITEMSTRUCT &item, HBRUSH fill, UINT dpi)
{
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, fill);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT captionArea = area;
    OffsetRect(&captionArea, pressed ? 1 : 0, pressed ? 1 : 0);
    const SelectedObject font(
        item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    LOGBRUSH face{};
    GetObjectW(fill, sizeof(face), &face);
    SetTextColor(item.hDC,
                 readableOn(Colour{face.lbColor}, Colour{GetSysColor(COLOR_BTNTEXT)}).value);
    DrawTextW(item.hDC, windowText(item.hwndItem).c_str(), -1, &captionArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = pixelsAt(focusInset, dpi);
        InflateRect(&area, -inset, -inset);
        DrawFocusRect(item.hDC, &area);
    }
}

} // namespace

void frmPonderival::onCommand(HWND /*hwnd*/, int id, HWND /*control*/, UINT notification)
{
    // Enter and Esc come as IDOK and IDCANCEL, which name no control: Esc presses nothing, and
    // Enter arrives as a click on the focused button through DM_GETDEFID. A drawn button reports
    // the second of two quick clicks as a double click; to the user it is one more click.
    const auto control = controlOf(id);
    if ((notification == BN_CLICKED || notification == BN_DOUBLECLICKED) && control) {
        m_model.click(*control);
    }
}

// The dialog manager presses the default button on Enter. The default is whichever of the two
// buttons has the focus, so Enter presses the focused button and only that one.
LRESULT frmPonderival::onGetDefId() const
{
    const HWND focus = GetFocus();
    return takesFocus(focus) ? MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID) : 0;
}

void frmPonderival::onDrawItem(HWND /*hwnd*/, const DRAWITEMSTRUCT *item)
{
    const auto control = controlOf(static_cast<int>(item->CtlID));
    if (control == form::Shape1) {
        // Its region is the one-pixel line alone.
        FrameRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_WINDOWTEXT));
    } else if (control && control->control().fill == form::Fill::Colour) {
        drawColourButton(*item, m_controls.fill(*control), m_dpi);
    }
}

// The status controls a screen reader reads have no size, and nothing of them is drawn.
HBRUSH frmPonderival::onCtlColorStatic(HWND hwnd, HDC context, HWND label, int /*type*/)
{
    const auto control = controlOf(GetDlgCtrlID(label));
    if (!control) {
        return FORWARD_WM_CTLCOLORSTATIC(hwnd, context, label, DefWindowProcW);
    }
    return m_controls.labelFill(*control, context);
}

// Like a dialog, the window gives the focus back to the button that had it when it was last
// active, rather than keeping it itself.
void frmPonderival::onActivate(HWND /*hwnd*/, UINT state, HWND /*other*/, BOOL /*minimized*/)
{
    if (state == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(m_window, focus)) {
            m_lastFocus = focus;
        }
    } else if (m_lastFocus != nullptr) {
        SetFocus(m_lastFocus);
    }
}

void frmPonderival::onSetFocus(HWND /*hwnd*/, HWND /*previous*/)
{
    if (m_lastFocus != nullptr) {
        SetFocus(m_lastFocus);
    }
}

// The dialog manager asks for the next control of the tab order (Tab) or of the group (the arrow
// keys) with this message, which only a dialog's own procedure answers. Here the focus goes to
// the two buttons alone, never to a label.
HWND frmPonderival::onNextDlgCtl(HWND hwnd, HWND target, BOOL targetIsHandle)
{
    const HWND next = targetIsHandle != FALSE
                          ? target
                          : GetNextDlgTabItem(hwnd, GetFocus(), target != nullptr ? TRUE : FALSE);
    if (takesFocus(next)) {
        SetFocus(next);
    }
    return nullptr;
}

bool frmPonderival::takesFocus(HWND control) const
{
    const auto described = control != nullptr ? controlOf(GetDlgCtrlID(control)) : std::nullopt;
    return described && GetParent(control) == m_window && form::takesFocus(described->control());
}

} // namespace ponderival::win32
