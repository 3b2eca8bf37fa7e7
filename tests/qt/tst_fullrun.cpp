#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QTest>

using namespace windowtest;
using ponderival::RuntimeError;

// The unseen cmdAvanti's click runs one step through the real window: from a few steps before
// the overflow, its clicks reach the 65,535th step, whose overflow is reported over what it wrote.
// The whole search is stepped through in the search's own tests.
class tst_FullRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void stepsToTheOverflowThroughTheWindow();
};

void tst_FullRun::stepsToTheOverflowThroughTheWindow()
{
    frmPonderival window;
    std::vector<int> reported;
    window.setErrorReporter([&](const RuntimeError &error) { reported.push_back(error.number()); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    constexpr int firstN = 65530;
    placeBefore(window, firstN);
    auto *step = control<QPushButton>(window, "cmdAvanti");
    int steps = 0;
    while (reported.empty() && steps < 100) {
        step->click();
        ++steps;
    }
    QCOMPARE(steps, 65536 - firstN);
    QCOMPARE(reported, std::vector<int>{6});
    QCOMPARE(labelText(window, "lblN"), QStringLiteral("65536"));
    QCOMPARE(labelText(window, "lblCivico"), QStringLiteral("65537"));
    QCOMPARE(labelText(window, "lblTot"), QStringLiteral("2147450880"));
    QCOMPARE(labelText(window, "lblTot2"), QString());
    QCOMPARE(labelText(window, "lblCase"), QString());
}

QTEST_MAIN(tst_FullRun)
#include "tst_fullrun.moc"
