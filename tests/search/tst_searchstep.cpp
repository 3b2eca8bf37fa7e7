#include "memorypanel.h"
#include "recordingpanel.h"
#include "runcontrol.h"
#include "runstate.h"
#include "runtimeerror.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <QTest>

using namespace ponderival;
using namespace searchfixtures;

namespace {

QByteArray textOf(const Panel &panel, Field field)
{
    return QByteArray::fromStdString(panel.text(field));
}

} // namespace

// The search step on a panel in memory: its exact reads and writes, the five solutions, the long
// streets and the overflow that ends the search.
class tst_SearchStep : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void firstSteps_data();
    void firstSteps();
    void ordinaryStepSequence();
    void solutionStepSequence();
    void fiveSolutionsThenOverflow();
    void longStreets_data();
    void longStreets();
    void worstStepAddsMostHouses();
    void overflowLeavesTexts();
    void stepIgnoresRunState();
};

void tst_SearchStep::initialState()
{
    const MemoryPanel panel;
    QCOMPARE(textOf(panel, Field::lblN), "1");
    QCOMPARE(textOf(panel, Field::lblTot), "1");
    QCOMPARE(textOf(panel, Field::lblCivico), "2");
    QCOMPARE(textOf(panel, Field::lblTot2), "1");
    QCOMPARE(textOf(panel, Field::lblCase), "");
    QCOMPARE(panel.timerEnabled(), false);
    QCOMPARE(QByteArray::fromStdString(panel.stopCaption()), "Avanti!");
    QCOMPARE(panel.stopBackground().value, 0xC0FFC0U);
}

void tst_SearchStep::firstSteps_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<QByteArray>("n");
    QTest::addColumn<QByteArray>("candidate");
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<QByteArray>("lastSum");
    QTest::addColumn<QByteArray>("street");
    QTest::addColumn<bool>("running");
    QTest::newRow("step 1: 4 > 3") << 1 << QByteArray("2") << QByteArray("3") << QByteArray("3")
                                   << QByteArray("4") << QByteArray("") << true;
    QTest::newRow("step 2: 11 > 6") << 2 << QByteArray("3") << QByteArray("4") << QByteArray("6")
                                    << QByteArray("11") << QByteArray("") << true;
    QTest::newRow("step 3: 13 > 10") << 3 << QByteArray("4") << QByteArray("5") << QByteArray("10")
                                     << QByteArray("13") << QByteArray("") << true;
    QTest::newRow("step 4: 15 = 15") << 4 << QByteArray("5") << QByteArray("6") << QByteArray("15")
                                     << QByteArray("15") << QByteArray("8") << false;
}

void tst_SearchStep::firstSteps()
{
    QFETCH(int, steps);
    MemoryPanel panel;
    cmdStop_Click(panel);
    for (int step = 0; step < steps; ++step) {
        Timer1_Timer(panel);
    }
    QTEST(textOf(panel, Field::lblN), "n");
    QTEST(textOf(panel, Field::lblCivico), "candidate");
    QTEST(textOf(panel, Field::lblTot), "total");
    QTEST(textOf(panel, Field::lblTot2), "lastSum");
    QTEST(textOf(panel, Field::lblCase), "street");
    QFETCH(bool, running);
    QCOMPARE(panel.timerEnabled(), running);
    QCOMPARE(QByteArray::fromStdString(panel.stopCaption()), running ? "Stop!" : "Avanti!");
    QCOMPARE(panel.stopBackground().value, running ? 0xC0C0FFU : 0xC0FFC0U);
}

void tst_SearchStep::ordinaryStepSequence()
{
    RecordingPanel panel;
    cmdAvanti_Click(panel);
    const QStringList expected{
        R"(write lblTot2 "")", "read lblN",           R"(write lblN "2")",
        "read lblN",           R"(write lblN "2")",   R"(write lblCivico "3")",
        "read lblTot",         R"(write lblTot "3")", R"(write lblTot2 "4")",
    };
    QCOMPARE(panel.takeLog(), expected);
}

void tst_SearchStep::solutionStepSequence()
{
    RecordingPanel panel;
    enterRunState(panel.state(), RunState::Running);
    placeBefore(panel.state(), 4);
    cmdAvanti_Click(panel);
    const QStringList expected{
        R"(write lblTot2 "")",  "read lblN",
        R"(write lblN "5")",    "read lblN",
        R"(write lblN "5")",    R"(write lblCivico "6")",
        "read lblTot",          R"(write lblTot "15")",
        R"(write lblTot2 "7")", R"(write lblTot2 "15")",
        R"(write lblCase "8")", R"(write lblTot2 "15")",
        "Timer1 off",           R"(caption "Avanti!")",
        "background 0xC0FFC0",
    };
    QCOMPARE(panel.takeLog(), expected);
}

void tst_SearchStep::fiveSolutionsThenOverflow()
{
    struct Found
    {
        int step;
        std::int64_t house, street, sum;
    };
    std::vector<Found> found;
    MemoryPanel panel;
    int step = 1;
    try {
        for (;; ++step) {
            panel.setTimerEnabled(true);
            cmdAvanti_Click(panel);
            if (!panel.timerEnabled()) {
                found.push_back({step, std::stoll(panel.text(Field::lblCivico)),
                                 std::stoll(panel.text(Field::lblCase)),
                                 std::stoll(panel.text(Field::lblTot))});
            }
        }
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
    QCOMPARE(step, 65535);
    QCOMPARE(found.size(), std::size_t{5});
    const std::array<Found, 5> reference{{{4, 6, 8, 15},
                                          {33, 35, 49, 595},
                                          {202, 204, 288, 20706},
                                          {1187, 1189, 1681, 706266},
                                          {6928, 6930, 9800, 24008985}}};
    for (std::size_t index = 0; index < reference.size(); ++index) {
        const Found &solution = found.at(index);
        QCOMPARE(solution.step, reference.at(index).step);
        QCOMPARE(solution.house, reference.at(index).house);
        QCOMPARE(solution.street, reference.at(index).street);
        QCOMPARE(solution.sum, reference.at(index).sum);
        // The houses on either side of the answer really add up to the sum shown.
        QCOMPARE(triangle(solution.house - 1), solution.sum);
        QCOMPARE(sumOfHouses(solution.house + 1, solution.street), solution.sum);
    }
}

void tst_SearchStep::longStreets_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QByteArray>("lastSum");
    const auto fullStreet = [](qint64 n) {
        return QByteArray::number(sumOfHouses(n + 2, lastHouse));
    };
    for (const qint64 n : {7071, 7500, 9000, 9997, 9998}) {
        QTest::addRow("n = %lld", n) << n << fullStreet(n);
    }
    QCOMPARE(fullStreet(9998), "10000");
    for (const qint64 n : {9999, 10000, 10001, 65534}) {
        QTest::addRow("n = %lld adds no house", n) << n << QByteArray("");
    }
}

void tst_SearchStep::longStreets()
{
    QFETCH(qint64, n);
    MemoryPanel panel;
    panel.setTimerEnabled(true);
    placeBefore(panel, n - 1);
    cmdAvanti_Click(panel);
    QCOMPARE(textOf(panel, Field::lblN), QByteArray::number(n));
    QCOMPARE(textOf(panel, Field::lblCivico), QByteArray::number(n + 1));
    QCOMPARE(textOf(panel, Field::lblTot), QByteArray::number(triangle(n)));
    QTEST(textOf(panel, Field::lblTot2), "lastSum");
    QCOMPARE(textOf(panel, Field::lblCase), "");
    QVERIFY(panel.timerEnabled());
}

void tst_SearchStep::worstStepAddsMostHouses()
{
    RecordingPanel panel;
    placeBefore(panel.state(), 7069);
    cmdAvanti_Click(panel);
    const QStringList log = panel.takeLog();
    // One emptying write, then one write per house added: 7072 ... 10000 passes the sum before.
    QCOMPARE(log.filter(QStringLiteral("write lblTot2")).size(), 1 + 2929);
    const std::int64_t lastSum = std::stoll(panel.state().text(Field::lblTot2));
    QCOMPARE(lastSum, sumOfHouses(7072, 10000));
    QVERIFY(lastSum > triangle(7070));
    QVERIFY(lastSum - 10000 <= triangle(7070));
}

void tst_SearchStep::overflowLeavesTexts()
{
    MemoryPanel panel;
    placeBefore(panel, 65534);
    Timer1_Timer(panel);
    QCOMPARE(textOf(panel, Field::lblTot), "2147450880");
    try {
        Timer1_Timer(panel);
        QFAIL("the 65,535th step did not overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
        QCOMPARE(QByteArray::fromStdString(error.description()), "Overflow");
    }
    QCOMPARE(textOf(panel, Field::lblN), "65536");
    QCOMPARE(textOf(panel, Field::lblCivico), "65537");
    QCOMPARE(textOf(panel, Field::lblTot), "2147450880");
    QCOMPARE(textOf(panel, Field::lblTot2), "");
}

void tst_SearchStep::stepIgnoresRunState()
{
    MemoryPanel panel;
    cmdAvanti_Click(panel);
    QCOMPARE(textOf(panel, Field::lblN), "2");
    QCOMPARE(panel.timerEnabled(), false);
    QCOMPARE(QByteArray::fromStdString(panel.stopCaption()), "Avanti!");
}

QTEST_APPLESS_MAIN(tst_SearchStep)
#include "tst_searchstep.moc"
