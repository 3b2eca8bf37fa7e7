#include "childprocess.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "widetext.h"
#include "windowdriver.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace form = ponderival::form;
using ponderival::win32::controlId;
using ponderival::win32::firstControlId;
using ponderival::win32::firstOwnId;
using ponderival::win32::toWide;
using ponderival::win32::windowText;
using Shown = std::pair<std::string, std::string>;

constexpr std::string_view idle = ponderival::form::stopIdleLook.caption;
constexpr std::string_view running = ponderival::form::stopRunningLook.caption;

// Somma and Numero as they stood after each round of the event loop, until the run halts.
std::vector<Shown> runUntilHalt(WindowDriver &driver)
{
    std::vector<Shown> shown;
    EXPECT_TRUE(driver.waitUntil([&] {
        const Shown now{driver.text("lblTot"), driver.text("lblCivico")};
        if (shown.empty() || shown.back() != now) {
            shown.push_back(now);
        }
        return !driver.window().model().timerEnabled();
    }));
    return shown;
}

struct KeyPress
{
    const char *name;
    WORD key;
    bool onEsc;
};

using KeysPressFocusedButton = testing::TestWithParam<KeyPress>;

using ClosingWhileRunning = testing::TestWithParam<const char *>;

// Commands another program may post that name no control of the table, or that are no click.
constexpr std::pair<int, WORD> refusedCommands[]{{firstControlId - 1, BN_CLICKED},
                                                 {firstOwnId, BN_CLICKED},
                                                 {0xFFFF, BN_CLICKED},
                                                 {controlId(form::cmdStop), BN_SETFOCUS},
                                                 {controlId(form::cmdStop), 0xFFFF},
                                                 {controlId(form::cmdEsc), BN_KILLFOCUS}};

// The desktop's density for the programs started while it lasts, as the display settings set it:
// Wine reads it as each program starts.
class DesktopDensity
{
public:
    explicit DesktopDensity(DWORD dpi)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr);
        DWORD size = sizeof(m_before);
        m_had = RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr,
                                 reinterpret_cast<BYTE *>(&m_before), &size) == ERROR_SUCCESS;
        RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&dpi),
                       sizeof(dpi));
    }
    ~DesktopDensity()
    {
        if (m_had) {
            RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD,
                           reinterpret_cast<const BYTE *>(&m_before), sizeof(m_before));
        } else {
            RegDeleteValueW(m_key, L"LogPixels");
        }
        RegCloseKey(m_key);
    }
    DesktopDensity(const DesktopDensity &) = delete;
    DesktopDensity &operator=(const DesktopDensity &) = delete;
    DesktopDensity(DesktopDensity &&) = delete;
    DesktopDensity &operator=(DesktopDensity &&) = delete;

private:
    HKEY m_key = nullptr;
    DWORD m_before = 0;
    bool m_had = false;
};

} // namespace

// Tab and Shift+Tab move the focus between the two buttons, and so do the arrow keys within the
// group the buttons make: each arrow, from either button, goes to the other and never onto a label.
TEST(Keyboard, FocusStartsOnCmdStopTabAndArrowsMoveBetweenTheButtonsEscPressesNothing)
{
    WindowDriver driver;
    for (const auto &[modifier, next] : std::vector<std::pair<WORD, std::string>>{
             {0, "cmdEsc"}, {0, "cmdStop"}, {VK_SHIFT, "cmdEsc"}, {VK_SHIFT, "cmdStop"}}) {
        driver.pressKey(VK_TAB, modifier);
        EXPECT_TRUE(driver.waitUntil([&, next = next] { return driver.focusName() == next; }))
            << next << " expected, focus on " << driver.focusName();
    }
    std::string next = "cmdStop";
    for (const WORD arrow : std::initializer_list<WORD>{VK_LEFT, VK_LEFT, VK_RIGHT, VK_RIGHT, VK_UP,
                                                        VK_UP, VK_DOWN, VK_DOWN}) {
        next = next == "cmdStop" ? "cmdEsc" : "cmdStop";
        driver.pressKey(arrow);
        EXPECT_TRUE(driver.waitUntil([&] { return driver.focusName() == next; }))
            << "arrow " << arrow << ": " << next << " expected, focus on " << driver.focusName();
    }
    driver.pressKey(VK_ESCAPE);
    driver.pressKey(VK_TAB); // A key behind Esc: once it has moved the focus, Esc was handled.
    ASSERT_TRUE(driver.waitUntil([&] { return driver.focusName() == "cmdEsc"; }));
    EXPECT_FALSE(driver.exitStatus().has_value());
    EXPECT_EQ(driver.text("cmdStop"), idle);
}

TEST_P(KeysPressFocusedButton, AndOnlyThatOne)
{
    WindowDriver driver;
    if (GetParam().onEsc) {
        driver.pressKey(VK_TAB);
        ASSERT_TRUE(driver.waitUntil([&] { return driver.focusName() == "cmdEsc"; }));
    }
    driver.pressKey(GetParam().key);
    if (GetParam().onEsc) {
        ASSERT_TRUE(driver.waitUntil([&] { return driver.exitStatus().has_value(); }));
        EXPECT_EQ(driver.exitStatus(), 0);
        return;
    }
    ASSERT_TRUE(driver.waitForText("cmdStop", running));
    driver.pressKey(GetParam().key);
    ASSERT_TRUE(driver.waitForText("cmdStop", idle));
    EXPECT_FALSE(driver.exitStatus().has_value());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeysPressFocusedButton,
                         testing::Values(KeyPress{"SpaceOnStop", VK_SPACE, false},
                                         KeyPress{"EnterOnStop", VK_RETURN, false},
                                         KeyPress{"SpaceOnEsc", VK_SPACE, true},
                                         KeyPress{"EnterOnEsc", VK_RETURN, true}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(Run, ClickRunsOneStepPerTickUntilTheFirstSolution)
{
    WindowDriver driver;
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitForText("cmdStop", running));
    const std::vector<Shown> expected{{"1", "2"}, {"3", "3"}, {"6", "4"}, {"10", "5"}, {"15", "6"}};
    EXPECT_EQ(runUntilHalt(driver), expected);
    EXPECT_EQ(driver.text("lblCase"), "8");
    EXPECT_EQ(driver.text("lblTot2"), "15");
    EXPECT_EQ(driver.text("cmdStop"), idle);
    const RECT stop = driver.place("cmdStop");
    EXPECT_EQ(driver.pixel({stop.left + 6, stop.top + 6}),
              ponderival::form::stopIdleLook.background.value);
    // Told to a screen reader on the way, with nothing failing but what the system lacks.
    EXPECT_TRUE(driver.window().screenReader().connected());
    EXPECT_EQ(driver.window().screenReader().fault(), S_OK);
}

TEST(Run, HaltAndResumeFromTheNextCandidate)
{
    WindowDriver driver;
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitForText("cmdStop", running));
    runUntilHalt(driver);
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitForText("cmdStop", running));
    EXPECT_EQ(driver.text("lblCase"), "") << "starting again empties Case";
    ASSERT_TRUE(driver.waitUntil([&] { return std::stoi(driver.text("lblCivico")) >= 10; }));
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitForText("cmdStop", idle));
    const std::string halted = driver.text("lblCivico");
    for (int round = 0; round < 5; ++round) {
        driver.processEvents(20);
    }
    EXPECT_EQ(driver.text("lblCivico"), halted) << "no step while halted";
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitUntil([&] { return driver.text("lblCivico") != halted; }));
    EXPECT_EQ(driver.text("lblCivico"), std::to_string(std::stoi(halted) + 1));
    EXPECT_EQ(runUntilHalt(driver).back(), (Shown{"595", "35"}));
    EXPECT_EQ(driver.text("lblCase"), "49");
}

// However the window is closed, even in the middle of a run, the program ends with status 0 and
// Timer1 goes with the window.
TEST_P(ClosingWhileRunning, EndsWithStatusZero)
{
    WindowDriver driver;
    driver.click("cmdStop");
    ASSERT_TRUE(driver.waitUntil([&] { return driver.text("lblCivico") != "2"; }));
    if (std::string(GetParam()) == "cmdEsc") {
        driver.click("cmdEsc");
    } else if (std::string(GetParam()) == "AltF4") {
        driver.pressKey(VK_F4, VK_MENU);
    } else {
        PostMessageW(driver.window().handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    ASSERT_TRUE(driver.waitUntil([&] { return driver.exitStatus().has_value(); }));
    EXPECT_EQ(driver.exitStatus(), 0);
    EXPECT_EQ(driver.window().handle(), nullptr);
    EXPECT_FALSE(driver.window().timer1().running());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWhileRunning,
                         testing::Values("cmdEsc", "AltF4", "TaskbarClose"),
                         [](const auto &row) { return std::string(row.param); });

// The real program file, started as a child process. Commands from outside the table do nothing:
// the program goes on, Space on cmdStop starts a run, and a click on cmdEsc ends it with status 0.
TEST(RealProgram, RefusesCommandsFromOutsideTheTableAndEndsWithStatusZeroOnCmdEsc)
{
    const ChildProcess program(hostProgram(PONDERIVAL_EXECUTABLE));
    const HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    const HWND stop = GetDlgItem(window, controlId(form::cmdStop));
    const HWND esc = GetDlgItem(window, controlId(form::cmdEsc));
    ASSERT_TRUE(program.bringToFront(window, stop));
    for (const auto &[id, notification] : refusedCommands) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, notification), 0);
    }
    // Posted messages are handled in turn: once the focus has moved on, every command was.
    PostMessageW(window, WM_NEXTDLGCTL, 0, FALSE);
    ASSERT_TRUE(program.bringToFront(window, esc));
    EXPECT_EQ(windowText(stop), toWide(idle));
    WindowDriver::pressKey(VK_TAB);
    ASSERT_TRUE(program.bringToFront(window, stop));
    WindowDriver::pressKey(VK_SPACE);
    EXPECT_TRUE(pumpUntil([&] { return windowText(stop) == toWide(running); }));
    EXPECT_EQ(program.waitForExit(0), STILL_ACTIVE);
    WindowDriver::clickOn(esc);
    EXPECT_EQ(program.waitForExit(), 0U);
}

// On a denser desktop the window opens at its size for that density, still in the middle of the
// work area, though it is first made at the usual density's size.
TEST(RealProgram, OpensAtItsSizeInTheMiddleOfADenserDesktop)
{
    const DesktopDensity dense(144);
    const ChildProcess program(hostProgram(PONDERIVAL_EXECUTABLE));
    const HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    RECT frame{};
    GetWindowRect(window, &frame);
    // 314 by 292 pixels at 96 dpi, half as large again.
    EXPECT_EQ(frame.right - frame.left, 471);
    EXPECT_EQ(frame.bottom - frame.top, 438);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs(frame.left + frame.right - work.left - work.right), 1);
    EXPECT_LE(std::abs(frame.top + frame.bottom - work.top - work.bottom), 1);
    EXPECT_EQ(program.close(window), 0U);
}
