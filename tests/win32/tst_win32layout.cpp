#include "dpi.h"
#include "frmponderivaldescription.h"
#include "widetext.h"
#include "windowdriver.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace form = ponderival::form;
using ponderival::win32::fontHeightAt;
using ponderival::win32::pixelsAt;

namespace {

bool sameRect(const RECT &shown, const form::Twips &place, UINT dpi)
{
    const RECT expected{pixelsAt(place.left, dpi), pixelsAt(place.top, dpi),
                        pixelsAt(place.left + place.width, dpi),
                        pixelsAt(place.top + place.height, dpi)};
    return EqualRect(&shown, &expected) != FALSE;
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font;
}

} // namespace

TEST(WindowFrame, BorderlessPopupOfDescribedSizeCentredOnWorkArea)
{
    WindowDriver driver;
    const HWND window = driver.window().handle();
    ASSERT_EQ(ponderival::win32::windowDpi(window), 96U);
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 314);
    EXPECT_EQ(client.bottom, 292);
    EXPECT_EQ(frame.right - frame.left, client.right) << "no border around the client area";
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

// Every control against the description; looking changes nothing, so one window serves them all.
TEST(ControlLayout, PlaceTextFontStyleAndVisibilityAsDescribed)
{
    WindowDriver driver;
    RECT client{};
    GetClientRect(driver.window().handle(), &client);
    for (const form::Control &control : form::controls) {
        SCOPED_TRACE(std::string(control.name));
        const HWND handle = driver.control(control.name);
        const RECT place = driver.place(control.name);
        RECT overlap{};
        EXPECT_TRUE(sameRect(place, control.place, 96));
        EXPECT_EQ(IsWindowVisible(handle) != FALSE, control.visible);
        EXPECT_EQ(IntersectRect(&overlap, &place, &client) != FALSE, control.visible);
        EXPECT_EQ(driver.text(control.name), control.text);
        const LOGFONTW font = fontOf(handle);
        EXPECT_EQ(std::wstring(font.lfFaceName), ponderival::win32::toWide(control.font.face));
        EXPECT_EQ(font.lfHeight, fontHeightAt(control.font, 96));
        EXPECT_EQ(font.lfWeight, control.font.bold ? FW_BOLD : FW_NORMAL);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
        EXPECT_EQ((style & WS_TABSTOP) != 0,
                  control.kind == form::ControlKind::Button && control.visible);
        if (control.kind == form::ControlKind::Label) {
            EXPECT_EQ(style & (SS_TYPEMASK | SS_NOPREFIX), DWORD{SS_CENTER | SS_NOPREFIX});
        }
    }
    // A few values straight from the original form, so that a wrong table is caught too.
    const auto isAt = [&](const char *name, RECT expected) {
        const RECT shown = driver.place(name);
        return EqualRect(&shown, &expected) != FALSE;
    };
    EXPECT_TRUE(isAt("cmdStop", {80, 128, 145, 169}));
    EXPECT_TRUE(isAt("Label5", {8, 216, 305, 289}));
    EXPECT_EQ(driver.text("Label3"), "Case");
    EXPECT_EQ(std::wstring(fontOf(driver.control("Label4_0")).lfFaceName), L"Times New Roman");
    EXPECT_EQ(fontOf(driver.control("Label4_0")).lfHeight, -19);
    EXPECT_EQ(fontOf(driver.control("cmdStop")).lfHeight, -13);
    EXPECT_EQ(fontOf(driver.control("Label6")).lfHeight, -11);
}

class HighDensity : public testing::TestWithParam<UINT>
{
};

// Windows sends WM_DPICHANGED when the window reaches a denser monitor: places scale, and the
// fonts are made anew at their point sizes rather than stretched.
TEST_P(HighDensity, EverythingScales)
{
    const UINT dpi = GetParam();
    WindowDriver driver;
    const HWND window = driver.window().handle();
    RECT suggested{0, 0, pixelsAt(form::window.width, dpi), pixelsAt(form::window.height, dpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(314, static_cast<int>(dpi), 96));
    for (const form::Control &control : form::controls) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_TRUE(sameRect(driver.place(control.name), control.place, dpi));
        EXPECT_EQ(fontOf(driver.control(control.name)).lfHeight, fontHeightAt(control.font, dpi));
    }
    EXPECT_EQ(fontOf(driver.control("Label5")).lfHeight, dpi == 144 ? -17 : -22);
}

INSTANTIATE_TEST_SUITE_P(Dpi, HighDensity, testing::Values(144U, 192U));
