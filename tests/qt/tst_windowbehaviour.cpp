#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace windowtest;

namespace {

struct Row
{
    QString somma, numero, casa;
    friend bool operator==(const Row &, const Row &) = default;
};

} // namespace

// The search as a user drives it: real clicks and keys on the real window, real ticks of Timer1.
class tst_WindowBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void init();
    void cleanup() { m_window.reset(); }

    void opensIdle();
    void firstClickRunsToFirstSolution();
    void clickWhileRunningHaltsAtOnce();
    void resumingFindsNextSolutions();
    void unseenFieldsChangeWhileRunning();
    void tabMovesBetweenTheTwoButtons();
    void escapePressesNothing();
    void keysPressFocusedButtonOnly_data();
    void keysPressFocusedButtonOnly();

private:
    [[nodiscard]] Row row() const
    {
        return {labelText(*m_window, "lblTot"), labelText(*m_window, "lblCivico"),
                labelText(*m_window, "lblCase")};
    }
    [[nodiscard]] QPushButton *button(const char *name) const
    {
        return control<QPushButton>(*m_window, name);
    }

    std::unique_ptr<frmPonderival> m_window;
    std::vector<Row> m_afterTicks;
};

void tst_WindowBehaviour::init()
{
    m_window = std::make_unique<frmPonderival>();
    m_afterTicks.clear();
    // Connected after the window's own handler, so it sees the texts each step leaves.
    connect(timer1(*m_window), &QTimer::timeout, this, [this] { m_afterTicks.push_back(row()); });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_WindowBehaviour::opensIdle()
{
    QCOMPARE(row(), (Row{"1", "2", ""}));
    QCOMPARE(button("cmdStop")->text(), idleCaption());
    QCOMPARE(QApplication::focusWidget(), button("cmdStop"));
    QTimer *timer = timer1(*m_window);
    QCOMPARE(timer->interval(), 10);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QVERIFY(!timer->isActive());
    QCoreApplication::processEvents();
    QCOMPARE(row(), (Row{"1", "2", ""}));
    QVERIFY(m_afterTicks.empty());
}

void tst_WindowBehaviour::firstClickRunsToFirstSolution()
{
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    QCOMPARE(button("cmdStop")->text(), runningCaption());
    QCOMPARE(backgroundOf(*m_window, *button("cmdStop")), fromLowByteRed(0xC0C0FFU));
    QCOMPARE(labelText(*m_window, "lblCase"), QString());
    QVERIFY(timer1(*m_window)->isActive());

    QTRY_VERIFY_WITH_TIMEOUT(!timer1(*m_window)->isActive(), conditionTimeoutMs);
    const std::vector<Row> expected{
        {"3", "3", ""}, {"6", "4", ""}, {"10", "5", ""}, {"15", "6", "8"}};
    QCOMPARE(m_afterTicks, expected);
    QCOMPARE(button("cmdStop")->text(), idleCaption());
    QCOMPARE(backgroundOf(*m_window, *button("cmdStop")), fromLowByteRed(0xC0FFC0U));
}

void tst_WindowBehaviour::clickWhileRunningHaltsAtOnce()
{
    // Far from any solution (the next is candidate 204), so only the click can halt the search.
    placeBefore(*m_window, 40);
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_afterTicks.size() >= 2, conditionTimeoutMs);
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    QVERIFY(!timer1(*m_window)->isActive());
    QCOMPARE(button("cmdStop")->text(), idleCaption());
    const Row halted = row();
    QCOMPARE(halted, m_afterTicks.back());
    QCOMPARE(halted.casa, QString());

    // Resuming goes on from the next candidate, not from the start.
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    const std::size_t ticksBefore = m_afterTicks.size();
    QTRY_VERIFY_WITH_TIMEOUT(m_afterTicks.size() > ticksBefore, conditionTimeoutMs);
    QCOMPARE(m_afterTicks.at(ticksBefore).numero.toInt(), halted.numero.toInt() + 1);
}

void tst_WindowBehaviour::resumingFindsNextSolutions()
{
    const std::vector<Row> halts{{"15", "6", "8"}, {"595", "35", "49"}, {"20706", "204", "288"}};
    for (const Row &halt : halts) {
        QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
        // Starting again clears the last street length at once.
        QCOMPARE(labelText(*m_window, "lblCase"), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!timer1(*m_window)->isActive(), conditionTimeoutMs);
        QCOMPARE(row(), halt);
        QCOMPARE(button("cmdStop")->text(), idleCaption());
    }
}

void tst_WindowBehaviour::unseenFieldsChangeWhileRunning()
{
    std::vector<std::pair<QString, QString>> unseen;
    connect(timer1(*m_window), &QTimer::timeout, this, [&] {
        unseen.emplace_back(labelText(*m_window, "lblN"), labelText(*m_window, "lblTot2"));
    });
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!timer1(*m_window)->isActive(), conditionTimeoutMs);
    const std::vector<std::pair<QString, QString>> expected{
        {"2", "4"}, {"3", "11"}, {"4", "13"}, {"5", "15"}};
    QCOMPARE(unseen, expected);
    QVERIFY(!control(*m_window, "lblN")->isVisible());
    QVERIFY(!control(*m_window, "lblTot2")->isVisible());
}

void tst_WindowBehaviour::tabMovesBetweenTheTwoButtons()
{
    const std::vector<std::pair<Qt::Key, const char *>> presses{{Qt::Key_Tab, "cmdEsc"},
                                                                {Qt::Key_Tab, "cmdStop"},
                                                                {Qt::Key_Tab, "cmdEsc"},
                                                                {Qt::Key_Backtab, "cmdStop"},
                                                                {Qt::Key_Backtab, "cmdEsc"}};
    for (const auto &[key, focused] : presses) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), button(focused));
    }
}

void tst_WindowBehaviour::escapePressesNothing()
{
    QSignalSpy escClicks(button("cmdEsc"), &QPushButton::clicked);
    QSignalSpy stopClicks(button("cmdStop"), &QPushButton::clicked);
    for (const char *focused : {"cmdStop", "cmdEsc"}) {
        button(focused)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    QCOMPARE(escClicks.count(), 0);
    QCOMPARE(stopClicks.count(), 0);
    QVERIFY(m_window->isVisible());
    QVERIFY(!timer1(*m_window)->isActive());
}

void tst_WindowBehaviour::keysPressFocusedButtonOnly_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Space") << Qt::Key_Space;
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
}

void tst_WindowBehaviour::keysPressFocusedButtonOnly()
{
    QFETCH(Qt::Key, key);
    QSignalSpy escClicks(button("cmdEsc"), &QPushButton::clicked);
    QSignalSpy stopClicks(button("cmdStop"), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(stopClicks.count(), 1);
    QCOMPARE(escClicks.count(), 0);
    QVERIFY(timer1(*m_window)->isActive());

    button("cmdEsc")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(escClicks.count(), 1);
    QCOMPARE(stopClicks.count(), 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!timer1(*m_window)->isActive());
}

QTEST_MAIN(tst_WindowBehaviour)
#include "tst_windowbehaviour.moc"
