#include "recordingpanel.h"
#include "runcontrol.h"
#include "runstate.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <QTest>

using namespace ponderival;

// Starting and halting the search: the exact order of the writes, and what each transition
// leaves of the last solution.
class tst_RunControl : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void enterRunStateWritesAllThree_data();
    void enterRunStateWritesAllThree();
    void tickRunsOneStep();
    void colourBytes();
};

void tst_RunControl::transitions_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("streetAfter");
    QTest::newRow("Idle to Running empties Case")
        << false
        << QStringList{"read Timer1", "Timer1 on", R"(caption "Stop!")", "background 0xC0C0FF",
                       R"(write lblCase "")"}
        << QByteArray("");
    QTest::newRow("Running to Idle leaves Case")
        << true
        << QStringList{"read Timer1", "Timer1 off", R"(caption "Avanti!")", "background 0xC0FFC0"}
        << QByteArray("8");
}

void tst_RunControl::transitions()
{
    QFETCH(bool, running);
    RecordingPanel panel;
    panel.state().setTimerEnabled(running);
    panel.state().setText(Field::lblCase, "8");
    cmdStop_Click(panel);
    QTEST(panel.takeLog(), "expected");
    QTEST(QByteArray::fromStdString(panel.state().text(Field::lblCase)), "streetAfter");
    QCOMPARE(panel.state().timerEnabled(), !running);
}

void tst_RunControl::enterRunStateWritesAllThree_data()
{
    QTest::addColumn<RunState>("state");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Idle") << RunState::Idle
                          << QStringList{"Timer1 off", R"(caption "Avanti!")",
                                         "background 0xC0FFC0"};
    QTest::newRow("Running") << RunState::Running
                             << QStringList{"Timer1 on", R"(caption "Stop!")",
                                            "background 0xC0C0FF"};
}

void tst_RunControl::enterRunStateWritesAllThree()
{
    QFETCH(RunState, state);
    // Entering the state the panel is already in still sets all three, in the same order.
    for (bool before : {false, true}) {
        RecordingPanel panel;
        panel.state().setTimerEnabled(before);
        enterRunState(panel, state);
        QTEST(panel.takeLog(), "expected");
    }
}

void tst_RunControl::tickRunsOneStep()
{
    RecordingPanel byTick;
    RecordingPanel byClick;
    searchfixtures::placeBefore(byTick.state(), 33);
    searchfixtures::placeBefore(byClick.state(), 33);
    Timer1_Timer(byTick);
    cmdAvanti_Click(byClick);
    const QStringList log = byTick.takeLog();
    QCOMPARE(log, byClick.takeLog());
    QVERIFY(log.contains(R"(write lblCase "49")"));
}

void tst_RunControl::colourBytes()
{
    // The low byte is red: light red and light green, not light blue.
    QCOMPARE(runningLook.background.red(), 0xFF);
    QCOMPARE(runningLook.background.green(), 0xC0);
    QCOMPARE(runningLook.background.blue(), 0xC0);
    QCOMPARE(idleLook.background.red(), 0xC0);
    QCOMPARE(idleLook.background.green(), 0xFF);
    QCOMPARE(idleLook.background.blue(), 0xC0);
}

QTEST_APPLESS_MAIN(tst_RunControl)
#include "tst_runcontrol.moc"
