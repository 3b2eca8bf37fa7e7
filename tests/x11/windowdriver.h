#pragma once

#include "x11program.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

// Ends the test function at once when a step of it has failed: each step waits on a condition,
// and the steps after a failed one would only wait out their time-outs.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed()) {                                                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)

// The steps of a user at the program's window: keys and pointer through XTEST, each followed by
// a wait for what the window shows in answer. A failed step records a Qt Test failure.
class WindowDriver
{
public:
    // Puts the pointer where the X server puts it when it starts, in the middle of the screen.
    WindowDriver();
    // Lets go of a mouse button still held, so that a failed test leaves no input behind.
    ~WindowDriver();
    WindowDriver(const WindowDriver &) = delete;
    WindowDriver &operator=(const WindowDriver &) = delete;
    WindowDriver(WindowDriver &&) = delete;
    WindowDriver &operator=(WindowDriver &&) = delete;

    void open(const QStringList &arguments = {}, const QProcessEnvironment &extra = {});
    [[nodiscard]] X11Program &program() { return m_program; }
    [[nodiscard]] QImage grab(const QRect &area) const { return m_program.grab(area); }

    void key(const char *name);
    void movePointerTo(QPoint windowPoint);
    void mouse(const char *action);

    void waitForFocus(const QRect &button);
    // A new solution on show: the street length appears, other than the last one seen.
    void waitForSolution();
    void waitForRunning();
    // The first three solutions come within about two seconds; the fourth takes ten, long
    // enough to look at the window while the search runs.
    void advanceToThirdSolution();
    // Takes the input focus away and gives it back, waiting to see each: the program has then
    // handled all input sent before, the pointer's moves included. The button's face must keep
    // its colour while the window is inactive too.
    void roundTrip(const QRect &focused, const QRect &button, const QColor &colour);
    // The face's colour, read once the window shows it or after a few seconds, and logged.
    void expectFace(const QRect &button, const QColor &colour, const QString &when);

private:
    X11Program m_program;
    QImage m_lastSolution;
    bool m_buttonHeld = false;
};

// What the test programs here share: they run on an X server with xdotool at hand, and each test
// function drives the program through a driver of its own.
class X11Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_driver = std::make_unique<WindowDriver>(); }
    void cleanup() { m_driver.reset(); }

protected:
    std::unique_ptr<WindowDriver> m_driver;
};
