#include "ownerdraw.h"

#include "selectedobject.h"
#include "widetext.h"

#include <string>

namespace ponderival::win32 {

namespace {

constexpr int focusInset = 4;

void drawCaption(const DRAWITEMSTRUCT &item, RECT area)
{
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const SelectedObject selected(item.hDC, font);
    std::wstring caption = windowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(item.hDC, caption.data(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

void drawColourButton(const DRAWITEMSTRUCT &item, HBRUSH fill, UINT dpi)
{
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, fill);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT captionArea = area;
    if (pressed) {
        OffsetRect(&captionArea, 1, 1);
    }
    drawCaption(item, captionArea);
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = MulDiv(focusInset, static_cast<int>(dpi), 96);
        InflateRect(&area, -inset, -inset);
        DrawFocusRect(item.hDC, &area);
    }
}

void drawOutline(const DRAWITEMSTRUCT &item)
{
    FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOWTEXT));
}

} // namespace ponderival::win32
