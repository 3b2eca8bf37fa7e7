#pragma once

#include "frmponderival.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

// Drives the real window in this process as a user would: input from SendInput, and everything
// read back from the controls or the window's pixels. Every wait runs the window's own event loop
// until its condition holds, with a generous limit.
class WindowDriver
{
public:
    // Shows a new window and waits until it is in front with the focus on cmdStop.
    WindowDriver();

    [[nodiscard]] ponderival::win32::frmPonderival &window() { return *m_window; }
    // A control by its name, as tools that look at the window from outside find it.
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] std::string text(std::string_view name) const;
    // In the window's client coordinates.
    [[nodiscard]] RECT place(std::string_view name) const;
    [[nodiscard]] std::string focusName() const;
    [[nodiscard]] std::optional<int> exitStatus() const { return m_exitStatus; }

    void processEvents(DWORD timeout = 10);
    bool waitUntil(const std::function<bool()> &condition, DWORD timeout = 30000);
    bool waitForText(std::string_view name, std::string_view shown);

    void click(std::string_view name) const { clickOn(control(name)); }
    // Input as a user gives it, to whatever window is in front: this one or another program's.
    static void clickOn(HWND control);
    static void pressKey(WORD key, WORD modifier = 0);
    // A key held down and let go as two inputs, for what shows while it is down.
    static void holdKey(WORD key);
    static void releaseKey(WORD key);
    // What cmdAvanti's click sends its window, for the thousands of steps of a whole search.
    void sendAvantiClick() const;
    // The colour at a point of the client area, once everything is painted.
    [[nodiscard]] COLORREF pixel(POINT at) const;

private:
    std::unique_ptr<ponderival::win32::frmPonderival> m_window;
    std::optional<int> m_exitStatus;
};
