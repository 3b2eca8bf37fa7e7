#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QTest>

using namespace windowtest;
using ponderival::RuntimeError;

// The whole search through the real window's controls, from the opening state to the overflow
// at the 65,535th step, by the unseen cmdAvanti whose click runs one step.
class tst_FullRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void wholeSearchThroughTheWindow();
};

void tst_FullRun::wholeSearchThroughTheWindow()
{
    frmPonderival window;
    std::vector<int> reported;
    window.setErrorReporter([&](const RuntimeError &error) { reported.push_back(error.number()); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *step = control<QPushButton>(window, "cmdAvanti");
    QStringList streets;
    QString lastStreet;
    int steps = 0;
    while (reported.empty()) {
        step->click();
        ++steps;
        const QString street = labelText(window, "lblCase");
        // Only cmdStop empties Case, so a solution shows as a change of its text.
        if (street != lastStreet) {
            lastStreet = street;
            streets << QStringLiteral("%1 of %2 at step %3")
                           .arg(labelText(window, "lblCivico"), street)
                           .arg(steps);
        }
    }
    QCOMPARE(steps, 65535);
    QCOMPARE(reported, std::vector<int>{6});
    const QStringList expected{"6 of 8 at step 4", "35 of 49 at step 33", "204 of 288 at step 202",
                               "1189 of 1681 at step 1187", "6930 of 9800 at step 6928"};
    QCOMPARE(streets, expected);
    QCOMPARE(labelText(window, "lblN"), QStringLiteral("65536"));
    QCOMPARE(labelText(window, "lblCivico"), QStringLiteral("65537"));
    QCOMPARE(labelText(window, "lblTot"), QStringLiteral("2147450880"));
    QCOMPARE(labelText(window, "lblTot2"), QString());
}

QTEST_MAIN(tst_FullRun)
#include "tst_fullrun.moc"
