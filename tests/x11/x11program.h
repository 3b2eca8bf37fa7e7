#pragma once

#include "polling.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <optional>

// The real program on the X server of the test's DISPLAY, driven as a user drives it: input goes
// through XTEST (xdotool), and what the program shows is read back from the screen.
class X11Program
{
public:
    X11Program() = default;
    ~X11Program();
    X11Program(const X11Program &) = delete;
    X11Program &operator=(const X11Program &) = delete;
    X11Program(X11Program &&) = delete;
    X11Program &operator=(X11Program &&) = delete;

    // Starts the program with a session bus of its own, and these variables beside the test's
    // own, and waits for its window to be mapped. Returns an empty text on success, else what
    // went wrong.
    [[nodiscard]] QString start(const QStringList &arguments = {},
                                const QProcessEnvironment &extra = {});
    [[nodiscard]] bool isRunning() const;
    [[nodiscard]] QString window() const { return m_window; }
    // The window's place on the screen, as the X server has it.
    [[nodiscard]] QRect geometry() const { return m_geometry; }
    // Gives the window the input focus, as a window manager does when a window opens.
    [[nodiscard]] bool giveFocus() const;
    // Takes the input focus away to the root window, as clicking on the desktop does.
    [[nodiscard]] static bool takeFocusAway();
    // What the screen shows of a rectangle of the window, in window coordinates.
    [[nodiscard]] QImage grab(const QRect &area) const;
    [[nodiscard]] QImage grab() const { return grab(QRect(QPoint(), m_geometry.size())); }
    // A point of the window in screen coordinates.
    [[nodiscard]] QPoint onScreen(QPoint point) const { return m_geometry.topLeft() + point; }

private:
    [[nodiscard]] qint64 programPid() const;
    void stop();

    QProcess m_process;
    QString m_window;
    QRect m_geometry;
};

// Runs xdotool with the given arguments; returns its output, or nothing when it fails.
[[nodiscard]] std::optional<QString> xdotool(const QStringList &arguments);

// Polls a condition, running the event loop between looks, until it holds or the time-out
// passes; true when it held.
template <typename Condition>
[[nodiscard]] bool waitUntil(Condition condition, int timeoutMs = conditionTimeoutMs)
{
    return pollUntil(condition, std::chrono::milliseconds(timeoutMs), [] { QTest::qWait(10); });
}
