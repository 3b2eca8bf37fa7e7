#include "windowdriver.h"
#include "windowreading.h"

#include <QTest>

using namespace windowreading;

namespace {

enum class Focus { Elsewhere, ByKeyboard, ByMouse, HeldDown };

// Over a button, below its caption; away, over the window's statement.
QPoint over(const QRect &button)
{
    return {button.center().x(), button.bottom() - 8};
}
const QPoint away(20, 240);

} // namespace

// The two buttons' faces on a real X server, read from the screen: exactly the described colour
// in both run looks, whichever way the focus came or went, wherever the pointer is and while the
// button is held down. Focus shows as a dotted rectangle, a press as a sunken edge; neither tints.
class tst_XButtons : public X11Test
{
    Q_OBJECT

private slots:
    void faces_data();
    void faces();

private:
    void prepareStop(bool running, Focus focus);
    void prepareEsc(bool running, Focus focus);
    void release(const QRect &button);
};

void tst_XButtons::faces_data()
{
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("focus");
    const std::pair<Focus, const char *> focuses[] = {{Focus::Elsewhere, "not focused"},
                                                      {Focus::ByKeyboard, "focused by keyboard"},
                                                      {Focus::ByMouse, "focused by mouse"},
                                                      {Focus::HeldDown, "held down"}};
    for (const bool stop : {true, false}) {
        for (const bool running : {false, true}) {
            for (const auto &[focus, name] : focuses) {
                QTest::addRow("%s %s, %s", stop ? "cmdStop" : "cmdEsc",
                              running ? "Running" : "Idle", name)
                    << stop << running << static_cast<int>(focus);
            }
        }
    }
}

void tst_XButtons::faces()
{
    QFETCH(bool, stop);
    QFETCH(bool, running);
    QFETCH(int, focus);
    const auto how = static_cast<Focus>(focus);
    const QRect button = stop ? cmdStop : cmdEsc;
    const QColor colour = !stop ? escCyan : running ? runningPink : idleGreen;
    STEP(m_driver->open());
    if (running) {
        STEP(m_driver->advanceToThirdSolution());
    }
    STEP(stop ? prepareStop(running, how) : prepareEsc(running, how));
    if (how == Focus::HeldDown) {
        STEP(m_driver->expectFace(button, colour, QStringLiteral("pointer over")));
    } else {
        const QRect other = stop ? cmdEsc : cmdStop;
        const QRect focused = how == Focus::Elsewhere ? other : button;
        for (const auto &[where, name] :
             {std::pair{over(button), "pointer over"}, std::pair{away, "pointer away"}}) {
            STEP(m_driver->movePointerTo(where));
            STEP(m_driver->roundTrip(focused, button, colour));
            STEP(m_driver->expectFace(button, colour, QLatin1String(name)));
        }
    }
    // The faces were read while the search was still in the row's run look.
    const QImage stopShown = m_driver->grab(cmdStop);
    QVERIFY(running ? looksRunning(stopShown) : looksIdle(stopShown));
    if (how == Focus::HeldDown) {
        STEP(release(button));
    }
}

void tst_XButtons::prepareStop(bool running, Focus focus)
{
    if (focus == Focus::ByKeyboard || focus == Focus::ByMouse) {
        STEP(m_driver->key("Tab"));
        STEP(m_driver->waitForFocus(cmdEsc));
    }
    if (focus == Focus::ByKeyboard) {
        STEP(m_driver->key("Tab"));
        STEP(m_driver->waitForFocus(cmdStop));
    }
    if (focus == Focus::ByMouse) {
        // The click that gives the focus starts the search; the first run soon halts by itself.
        STEP(m_driver->movePointerTo(over(cmdStop)));
        STEP(m_driver->mouse("click"));
        STEP(running ? m_driver->waitForRunning() : m_driver->waitForSolution());
        return;
    }
    if (running) {
        STEP(m_driver->key("space"));
        STEP(m_driver->waitForRunning());
    }
    if (focus == Focus::Elsewhere) {
        STEP(m_driver->key("Tab"));
        STEP(m_driver->waitForFocus(cmdEsc));
    } else if (focus == Focus::HeldDown) {
        STEP(m_driver->movePointerTo(over(cmdStop)));
        STEP(m_driver->mouse("mousedown"));
        QVERIFY2(waitUntil([this] { return sunken(m_driver->grab(cmdStop)); }), "not pressed");
    }
}

void tst_XButtons::prepareEsc(bool running, Focus focus)
{
    if (running) {
        STEP(m_driver->key("space"));
        STEP(m_driver->waitForRunning());
    }
    if (focus == Focus::ByKeyboard) {
        STEP(m_driver->key("Tab"));
        STEP(m_driver->waitForFocus(cmdEsc));
    } else if (focus == Focus::ByMouse || focus == Focus::HeldDown) {
        STEP(m_driver->movePointerTo(over(cmdEsc)));
        STEP(m_driver->mouse("mousedown"));
        QVERIFY2(waitUntil([this] { return sunken(m_driver->grab(cmdEsc)); }), "not pressed");
    }
    if (focus == Focus::ByMouse) {
        // Let go away from the button: the press gave the focus, and nothing is clicked.
        STEP(release(cmdEsc));
        STEP(m_driver->waitForFocus(cmdEsc));
    }
}

// Lets go of a held button; cmdEsc away from it, so that the window stays open.
void tst_XButtons::release(const QRect &button)
{
    if (button == cmdEsc) {
        STEP(m_driver->movePointerTo(away));
        QVERIFY(waitUntil([this] { return !sunken(m_driver->grab(cmdEsc)); }));
    }
    STEP(m_driver->mouse("mouseup"));
    QVERIFY(m_driver->program().isRunning());
}

QTEST_MAIN(tst_XButtons)
#include "tst_xbuttons.moc"
