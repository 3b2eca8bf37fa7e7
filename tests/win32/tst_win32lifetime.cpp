#include "errorreport.h"
#include "polling.h"
#include "searchfixtures.h"
#include "widetext.h"
#include "windowdriver.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using ponderival::Field;

using EndOfTheSearch = testing::TestWithParam<const char *>;

struct MessageBoxSeen
{
    DWORD process;
    std::wstring text;
    bool errorIcon = false;
};

BOOL CALLBACK readMessageBoxChild(HWND child, LPARAM seen)
{
    auto &box = *reinterpret_cast<MessageBoxSeen *>(seen);
    wchar_t className[16]{};
    GetClassNameW(child, className, 16);
    if (std::wstring(className) == L"Static") {
        const bool icon = (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        box.errorIcon = box.errorIcon || icon;
        box.text += icon ? L"" : ponderival::win32::windowText(child);
    }
    return TRUE;
}

// Runs beside the window's thread, which is inside the message box's own loop: finds the box,
// reads it and presses its OK button. False when no box shows.
bool acknowledgeMessageBox(MessageBoxSeen &seen)
{
    HWND box = nullptr;
    const bool shown = pollUntil(
        [&] {
            box = FindWindowW(L"#32770", L"Ponderival");
            DWORD process = 0;
            return box != nullptr && GetWindowThreadProcessId(box, &process) != 0 &&
                   process == seen.process && IsWindowVisible(box);
        },
        std::chrono::seconds(60), [] { Sleep(20); });
    if (shown) {
        EnumChildWindows(box, readMessageBoxChild, reinterpret_cast<LPARAM>(&seen));
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    return shown;
}

} // namespace

// The end of the search (the whole of it is the core's tests'): the 65,534th step shows the
// largest sum, and the next one, from the button or from the running timer, overflows. It is
// reported once in a message box with Timer1 already stopped and the failed step's texts on show,
// no step comes after it, and the program ends with status 1.
TEST_P(EndOfTheSearch, LastStepThenOneOverflowReport)
{
    WindowDriver driver;
    // Each report as the number, the description, Timer1's state and the sum and the house left
    // on show; then the real message box, which another thread finds, reads and acknowledges.
    std::vector<std::string> reports;
    driver.window().setErrorReporter([&](const ponderival::RuntimeError &error) {
        reports.push_back(std::to_string(error.number()) + " " + error.description() +
                          (driver.window().timer1().running() ? " running " : " stopped ") +
                          driver.text("lblTot") + " " + driver.text("lblCivico"));
        ponderival::win32::showRuntimeErrorMessage(driver.window().handle(), error);
    });
    searchfixtures::placeBefore(driver.window().model(), 65534);
    driver.sendAvantiClick();
    EXPECT_EQ(driver.text("lblTot"), "2147450880");
    EXPECT_EQ(driver.text("lblCivico"), "65536");
    EXPECT_TRUE(reports.empty());

    MessageBoxSeen seen{GetCurrentProcessId(), {}};
    bool acknowledged = false;
    std::jthread watcher([&] { acknowledged = acknowledgeMessageBox(seen); });
    if (std::string(GetParam()) == "Timer1") {
        driver.click("cmdStop");
    } else {
        driver.sendAvantiClick();
    }
    ASSERT_TRUE(driver.waitUntil([&] { return driver.exitStatus().has_value(); }));
    EXPECT_EQ(driver.exitStatus(), 1);
    EXPECT_EQ(reports, std::vector<std::string>{"6 Overflow stopped 2147450880 65537"});
    EXPECT_EQ(driver.window().handle(), nullptr);
    EXPECT_FALSE(driver.window().timer1().running());
    EXPECT_EQ(driver.window().model().text(Field::lblN), "65536") << "no step after the report";
    watcher.join();
    EXPECT_TRUE(acknowledged) << "no message box titled Ponderival";
    EXPECT_EQ(seen.text, L"Errore di run-time '6':\n\nOverflow");
    EXPECT_TRUE(seen.errorIcon);
}

INSTANTIATE_TEST_SUITE_P(By, EndOfTheSearch, testing::Values("cmdAvanti", "Timer1"));
