#include "dpi.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "selectedobject.h"
#include "widetext.h"
#include "windowdriver.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace form = ponderival::form;
using ponderival::win32::fontHeightAt;
using ponderival::win32::pixelsAt;
using ponderival::win32::toWide;

namespace {

bool sameRect(const RECT &shown, const form::Twips &place, UINT dpi)
{
    const RECT expected{pixelsAt(place.left, dpi), pixelsAt(place.top, dpi),
                        pixelsAt(place.left + place.width, dpi),
                        pixelsAt(place.top + place.height, dpi)};
    return EqualRect(&shown, &expected) != FALSE;
}

HGDIOBJ fontHandle(HWND control)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(fontHandle(control), sizeof(font), &font);
    return font;
}

// Measures on the control's own device context with its font selected, as it draws its text.
template <typename Measure> auto measuredWithFont(HWND control, Measure measure)
{
    const HDC context = GetDC(control);
    auto measured = [&] {
        const ponderival::win32::SelectedObject font(context, fontHandle(control));
        return measure(context);
    }();
    ReleaseDC(control, context);
    return measured;
}

// The face a visible text is really drawn in: scalable, its characters as high as the described
// points make at this DPI, whatever face the system put in place of the one asked for.
void expectDrawnAsDescribed(HWND control, const form::Font &described, UINT dpi)
{
    std::wstring face(LF_FACESIZE, L'\0');
    TEXTMETRICW metrics{};
    measuredWithFont(control, [&](HDC dc) {
        GetTextFaceW(dc, LF_FACESIZE, face.data());
        return GetTextMetricsW(dc, &metrics);
    });
    face.resize(std::wcslen(face.c_str()));
    SCOPED_TRACE("drawn in " + ponderival::win32::toUtf8(face));
    EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE), 0);
    // Wine rounds the cell's ascent, descent and internal leading each by itself, so the
    // character height it reports can be a pixel off the em the font was made at.
    EXPECT_LE(std::abs(metrics.tmHeight - metrics.tmInternalLeading -
                       std::lround(described.points * dpi / 72.0)),
              1);
}

// One control against the description at this DPI: its place, text, font and style, whether it
// shows, and the face its text is drawn in.
void expectLaidOutAsDescribed(const WindowDriver &driver, const form::Control &control, UINT dpi)
{
    SCOPED_TRACE(std::string(control.name));
    const HWND handle = driver.control(control.name);
    const RECT place = driver.place(control.name);
    RECT client{};
    GetClientRect(GetParent(handle), &client);
    RECT overlap{};
    EXPECT_TRUE(sameRect(place, control.place, dpi));
    EXPECT_EQ(IsWindowVisible(handle) != FALSE, control.visible);
    EXPECT_EQ(IntersectRect(&overlap, &place, &client) != FALSE, control.visible);
    EXPECT_EQ(driver.text(control.name), control.text);
    const LOGFONTW font = fontOf(handle);
    EXPECT_EQ(std::wstring(font.lfFaceName), toWide(form::faceOf(control.font).scalable));
    EXPECT_EQ(font.lfHeight, fontHeightAt(control.font, dpi));
    EXPECT_EQ(font.lfWeight, control.font.bold ? FW_BOLD : FW_NORMAL);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    EXPECT_EQ((style & WS_TABSTOP) != 0,
              control.kind == form::ControlKind::Button && control.visible);
    if (form::isLabel(control)) {
        EXPECT_EQ(style & (SS_TYPEMASK | SS_NOPREFIX), DWORD{SS_CENTER | SS_NOPREFIX});
    }
    if (control.visible && control.kind != form::ControlKind::Shape) {
        expectDrawnAsDescribed(handle, control.font, dpi);
    }
}

// Every line of the statement, wrapped as the label wraps it, lies inside the label.
bool statementFits(const WindowDriver &driver)
{
    const HWND label = driver.control("Label5");
    RECT client{};
    GetClientRect(label, &client);
    std::wstring text = ponderival::win32::windowText(label);
    const RECT needed = measuredWithFont(label, [&](HDC dc) {
        RECT rect = client;
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
                  DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
        return rect;
    });
    return needed.bottom <= client.bottom && needed.right <= client.right;
}

// Beside the described controls the window has only the status controls a screen reader reads:
// shown to the system, but of no size, out of the tab order and never focused.
void expectStatusControlsUnseen(WindowDriver &driver)
{
    std::size_t count = 0;
    for (HWND child = GetWindow(driver.window().handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ponderival::win32::controlOf(GetDlgCtrlID(child))) {
            continue;
        }
        ++count;
        RECT rect{};
        GetWindowRect(child, &rect);
        EXPECT_TRUE(IsWindowVisible(child));
        EXPECT_TRUE(IsRectEmpty(&rect));
        EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP, 0);
        EXPECT_NE(GetFocus(), child);
        EXPECT_EQ(ponderival::win32::windowText(child), L"") << "said nothing yet";
    }
    EXPECT_EQ(count, ponderival::statusSlots);
}

// What the window is, however it was shown: a borderless popup of the described size in the
// middle of the work area, with the program's title and icon.
void expectFramedAsDescribed(HWND window)
{
    ASSERT_EQ(ponderival::win32::windowDpi(window), 96U);
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 314);
    EXPECT_EQ(client.bottom, 292);
    EXPECT_EQ(frame.right - frame.left, client.right) << "no border around the client area";
    EXPECT_EQ(frame.bottom - frame.top, client.bottom);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs(frame.left + frame.right - work.left - work.right), 1);
    EXPECT_LE(std::abs(frame.top + frame.bottom - work.top - work.bottom), 1);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), DWORD{WS_POPUP});
    EXPECT_EQ(ponderival::win32::windowText(window), L"Form1");
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICON), 0U) << "the program's icon";
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICONSM), 0U);
}

} // namespace

using OpeningShow = testing::TestWithParam<int>;

// However the program is asked to start, the window opens as described: asked to maximise, it
// shows at its own size; asked to minimise, it stays so until restored.
TEST_P(OpeningShow, BorderlessPopupOfDescribedSizeCentredOnWorkArea)
{
    ponderival::win32::frmPonderival window;
    window.show(GetParam());
    const HWND handle = window.handle();
    const bool minimise = GetParam() == SW_SHOWMINIMIZED || GetParam() == SW_MINIMIZE ||
                          GetParam() == SW_SHOWMINNOACTIVE;
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_FALSE(IsZoomed(handle));
    EXPECT_EQ(IsIconic(handle) != FALSE, minimise);
    if (minimise) {
        ShowWindow(handle, SW_RESTORE);
    }
    expectFramedAsDescribed(handle);
}

INSTANTIATE_TEST_SUITE_P(ShowCommands, OpeningShow,
                         testing::Values(SW_SHOWMAXIMIZED, SW_SHOWNORMAL, SW_SHOWDEFAULT, SW_HIDE,
                                         SW_SHOWNOACTIVATE, SW_SHOWMINIMIZED, SW_MINIMIZE,
                                         SW_SHOWMINNOACTIVE),
                         [](const auto &row) { return "SW_" + std::to_string(row.param); });

// The conversions the layout rests on, worked out by hand: a twip is 1/1440 inch, a point 1/72,
// and halves round away from zero, as MulDiv rounds.
TEST(ControlLayout, TwipsAndPointsBecomePixels)
{
    struct Row
    {
        const char *name;
        int twips;
        double points;
        UINT dpi;
        int pixels, height;
    };
    const Row rows[] = {
        {"cmdStop at 96", 1200, 9.75, 96, 80, -13},   {"Label5 at 96", 1095, 8.25, 96, 73, -11},
        {"Shape1 at 96", 4455, 14.25, 96, 297, -19},  {"halves at 144", 1095, 8.25, 144, 110, -17},
        {"Label5 at 192", 1095, 9.75, 192, 146, -26}, {"under half a pixel", 7, 12.0, 96, 0, -16},
        {"over half a pixel", 8, 12.0, 120, 1, -20},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pixelsAt(row.twips, row.dpi), row.pixels);
        EXPECT_EQ(fontHeightAt(form::Font{"MS Sans Serif", row.points, false}, row.dpi),
                  row.height);
    }
}

using ControlLayout = testing::TestWithParam<UINT>;

// Every control against the description, as the window opens at 96 DPI and once Windows has sent
// WM_DPICHANGED for a denser monitor: places scale, and the fonts are made anew at their point
// sizes rather than stretched. Looking changes nothing, so one window serves every control.
TEST_P(ControlLayout, PlaceTextFontStyleAndVisibilityAsDescribed)
{
    const UINT dpi = GetParam();
    WindowDriver driver;
    const HWND window = driver.window().handle();
    if (dpi != 96) {
        RECT suggested{0, 0, pixelsAt(form::window.width, dpi), pixelsAt(form::window.height, dpi)};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(314, static_cast<int>(dpi), 96));
    for (const form::Control &control : form::controls) {
        expectLaidOutAsDescribed(driver, control, dpi);
    }
    // Label5's 8.25 points, worked out by hand.
    const std::map<UINT, int> label5Height{{96, -11}, {144, -17}, {192, -22}};
    EXPECT_EQ(fontOf(driver.control("Label5")).lfHeight, label5Height.at(dpi));
    EXPECT_TRUE(statementFits(driver));
    expectStatusControlsUnseen(driver);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ControlLayout, testing::Values(96U, 144U, 192U),
                         [](const auto &row) { return std::to_string(row.param); });
