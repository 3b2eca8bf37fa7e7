#include "windowdriver.h"

#include "windowreading.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <tuple>

using namespace windowreading;

WindowDriver::WindowDriver()
{
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY(xdotool(
        {QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y())}));
}

WindowDriver::~WindowDriver()
{
    if (m_buttonHeld) {
        std::ignore = xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    }
}

void WindowDriver::open(const QStringList &arguments, const QProcessEnvironment &extra)
{
    const QString failure = m_program.start(arguments, extra);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_program.giveFocus());
    waitForFocus(cmdStop);
}

void WindowDriver::key(const char *name)
{
    QVERIFY(xdotool({QStringLiteral("key"), QLatin1String(name)}));
}

void WindowDriver::movePointerTo(QPoint windowPoint)
{
    const QPoint point = m_program.onScreen(windowPoint);
    QVERIFY(xdotool(
        {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())}));
}

void WindowDriver::mouse(const char *action)
{
    const QLatin1String name(action);
    m_buttonHeld = name == QLatin1String("mousedown");
    QVERIFY(xdotool({name, QStringLiteral("1")}));
}

void WindowDriver::waitForFocus(const QRect &button)
{
    const QRect other = button == cmdStop ? cmdEsc : cmdStop;
    QVERIFY2(waitUntil([&] { return focusShown(grab(button)) && !focusShown(grab(other)); }),
             "the focus rectangle did not show on the focused button alone");
}

void WindowDriver::waitForSolution()
{
    QImage shown;
    QVERIFY2(waitUntil([&] {
                 shown = grab(lblCase);
                 return showsText(shown) && shown != m_lastSolution;
             }),
             "no new solution came up");
    m_lastSolution = shown;
    QVERIFY2(waitUntil([this] { return looksIdle(grab(cmdStop)); }), "not Idle at a solution");
}

void WindowDriver::waitForRunning()
{
    QVERIFY2(waitUntil([this] { return looksRunning(grab(cmdStop)) && !showsText(grab(lblCase)); }),
             "the search did not start");
}

void WindowDriver::advanceToThirdSolution()
{
    for (int solution = 1; solution <= 3; ++solution) {
        STEP(key("space"));
        STEP(waitForSolution());
    }
}

void WindowDriver::roundTrip(const QRect &focused, const QRect &button, const QColor &colour)
{
    QVERIFY(X11Program::takeFocusAway());
    QVERIFY2(waitUntil([&] { return !focusShown(grab(focused)); }),
             "the window kept showing the focus after losing it");
    STEP(expectFace(button, colour, QStringLiteral("window inactive")));
    QVERIFY(m_program.giveFocus());
    waitForFocus(focused);
}

void WindowDriver::expectFace(const QRect &button, const QColor &colour, const QString &when)
{
    QImage shown;
    const bool exact = waitUntil(
        [&] {
            shown = grab(button);
            return faceIs(shown, colour);
        },
        5000);
    const QString reading = when + QStringLiteral(": ") + describe(faceColour(shown));
    qInfo().noquote() << reading;
    QVERIFY2(exact, qPrintable(reading + QStringLiteral(" instead of ") + describe(colour)));
}

void X11Test::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
             "runs on an X server, e.g. under with-xvfb.sh");
    QVERIFY2(xdotool({QStringLiteral("version")}), "needs xdotool");
}
