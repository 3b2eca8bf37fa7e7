#include "frmponderivaldescription.h"
#include "windowdriver.h"

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>

namespace form = ponderival::form;

namespace {

// A point clear of the text and, on a button, between its edge and its focus frame.
POINT inFill(const RECT &rect)
{
    return {rect.left + 3, rect.bottom - 6};
}

bool focusFrameShown(const WindowDriver &driver, const RECT &button, COLORREF fill)
{
    for (int x = button.left + 4; x < button.left + 14; ++x) {
        if (driver.pixel({x, button.top + 4}) != fill) {
            return true;
        }
    }
    return false;
}

// Idle or running, with the focus on either button.
using ControlColours = testing::TestWithParam<std::tuple<bool, const char *>>;

} // namespace

TEST_P(ControlColours, FillsAreTheDescribedOnesWhateverTheFocus)
{
    const bool running = std::get<0>(GetParam());
    const std::string focus = std::get<1>(GetParam());
    WindowDriver driver;
    if (running) {
        driver.click("cmdStop");
        ASSERT_TRUE(driver.waitForText("cmdStop", form::stopRunningLook.caption));
    }
    if (driver.focusName() != focus) {
        driver.pressKey(VK_TAB);
        ASSERT_TRUE(driver.waitUntil([&] { return driver.focusName() == focus; }));
    }
    for (const form::Control &control : form::controls) {
        if (!control.visible || control.kind == form::ControlKind::Shape) {
            continue;
        }
        SCOPED_TRACE(std::string(control.name));
        COLORREF fill = control.fill == form::Fill::Colour ? control.background.value
                                                           : GetSysColor(COLOR_BTNFACE);
        fill = control.name == "cmdStop" && running ? form::stopRunningLook.background.value : fill;
        const RECT rect = driver.place(control.name);
        EXPECT_EQ(driver.pixel(inFill(rect)), fill);
        if (control.kind == form::ControlKind::Button) {
            EXPECT_EQ(driver.pixel({rect.left + 6, rect.top + 6}), fill)
                << "inside the focus frame";
            EXPECT_EQ(focusFrameShown(driver, rect, fill), control.name == focus);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RunLooks, ControlColours,
                         testing::Combine(testing::Bool(), testing::Values("cmdStop", "cmdEsc")),
                         [](const auto &row) {
                             return std::string(std::get<0>(row.param) ? "Running_" : "Idle_") +
                                    std::get<1>(row.param);
                         });

// Held down by the space bar, the button sinks into its edge; its fill stays as it was.
TEST(ButtonLook, SunkenWhilePressedRaisedOtherwise)
{
    WindowDriver driver;
    const RECT stop = driver.place("cmdStop");
    EXPECT_EQ(driver.pixel({stop.left, stop.top}), GetSysColor(COLOR_3DLIGHT));
    WindowDriver::holdKey(VK_SPACE);
    ASSERT_TRUE(driver.waitUntil([&] {
        return (SendMessageW(driver.control("cmdStop"), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    }));
    EXPECT_EQ(driver.pixel({stop.left, stop.top}), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(driver.pixel(inFill(stop)), form::stopIdleLook.background.value);
    WindowDriver::releaseKey(VK_SPACE);
    ASSERT_TRUE(driver.waitForText("cmdStop", form::stopRunningLook.caption));
    EXPECT_EQ(driver.pixel({stop.left, stop.top}), GetSysColor(COLOR_3DLIGHT));
}

// The outline shows all round, through the credit line that shares its bottom row.
TEST(ShapeLook, OnePixelOutlineInWindowTextColour)
{
    WindowDriver driver;
    const RECT shape = driver.place("Shape1");
    const COLORREF line = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const POINT onLine : {POINT{shape.left, 150}, POINT{shape.right - 1, 150},
                               POINT{150, shape.top}, POINT{150, shape.bottom - 1}}) {
        EXPECT_EQ(driver.pixel(onLine), line);
    }
    EXPECT_EQ(driver.pixel({shape.left + 1, 150}), face);
    EXPECT_EQ(driver.pixel({shape.right - 2, 150}), face);
    EXPECT_EQ(driver.pixel({150, shape.bottom - 2}), face);
}

// Under a high-contrast scheme the face, the outline and the window's own texts take the system's
// colours; the fields and the buttons keep their fills, their texts drawn to stand out on them.
TEST(HighContrast, FacesAndTextsAreTheSystemsTheFillsStayReadable)
{
    const std::array<int, 3> elements{COLOR_BTNFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
    const std::array<COLORREF, 3> scheme{RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255)};
    std::array<COLORREF, 3> kept{};
    std::transform(elements.begin(), elements.end(), kept.begin(), GetSysColor);
    ASSERT_TRUE(SetSysColors(3, elements.data(), scheme.data()));
    const std::unique_ptr<void, std::function<void(void *)>> restore(
        &kept, [&](void *) { SetSysColors(3, elements.data(), kept.data()); });
    WindowDriver driver;
    const auto drawnOnRow = [&](const char *name, COLORREF ink) {
        const RECT place = driver.place(name);
        for (int x = place.left + 6; x < place.right - 6; ++x) {
            if (driver.pixel({x, (place.top + place.bottom) / 2}) == ink) {
                return true;
            }
        }
        return false;
    };
    EXPECT_EQ(driver.pixel(inFill(driver.place("Label1"))), scheme.at(0));
    EXPECT_TRUE(drawnOnRow("Label1", scheme.at(1))) << "the heading in the window text's colour";
    for (const char *name : {"lblCivico", "cmdStop"}) {
        EXPECT_EQ(driver.pixel(inFill(driver.place(name))),
                  form::findControl(name)->background.value)
            << name;
        EXPECT_TRUE(drawnOnRow(name, RGB(0, 0, 0))) << name << "'s text in black on its fill";
    }
}
