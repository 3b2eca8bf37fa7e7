#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QTest>

#include <random>

using namespace windowtest;

namespace {

constexpr int eventsPerSeed = 4000;

// The run state as a user would predict it from what happened, kept apart from the program.
struct RunModel
{
    bool running = false;
    bool justStarted = false;
};

} // namespace

// Thousands of clicks and ticks in random order on the real window, checked after every one
// against the puzzle's arithmetic and a small model of the run state.
class tst_RandomEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void randomClicksAndTicks_data();
    void randomClicksAndTicks();

private:
    [[nodiscard]] QString checkInvariants(const RunModel &model) const;
    bool tick(RunModel &model);

    std::unique_ptr<frmPonderival> m_window;
};

void tst_RandomEvents::randomClicksAndTicks_data()
{
    QTest::addColumn<unsigned>("seed");
    for (const unsigned seed : {1U, 7U, 2024U, 65535U}) {
        QTest::addRow("seed %u", seed) << seed;
    }
}

// A tick comes only from a running timer, so an idle window gets none. True when the step halted
// the search at a solution.
bool tst_RandomEvents::tick(RunModel &model)
{
    QTimer *timer = timer1(*m_window);
    if (!timer->isActive()) {
        return false;
    }
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
    model.justStarted = false;
    model.running = labelText(*m_window, "lblCase").isEmpty();
    return !model.running;
}

QString tst_RandomEvents::checkInvariants(const RunModel &model) const
{
    const qint64 n = labelText(*m_window, "lblN").toLongLong();
    const qint64 sum = labelText(*m_window, "lblTot").toLongLong();
    const qint64 candidate = labelText(*m_window, "lblCivico").toLongLong();
    const QString street = labelText(*m_window, "lblCase");
    const auto *stop = control<QPushButton>(*m_window, "cmdStop");
    const bool active = timer1(*m_window)->isActive();
    if (sum != n * (n + 1) / 2 || candidate != n + 1) {
        return QStringLiteral("Somma %1 and Numero %2 do not follow n = %3")
            .arg(sum)
            .arg(candidate)
            .arg(n);
    }
    if (active != model.running || stop->text() != (active ? runningCaption() : idleCaption())) {
        return QStringLiteral("run state %1, caption %2").arg(active).arg(stop->text());
    }
    if (model.justStarted && !street.isEmpty()) {
        return QStringLiteral("Case not emptied on start");
    }
    if (!street.isEmpty()) {
        // Halted at a solution: the houses after the candidate up to the street's end add up.
        const qint64 last = street.toLongLong();
        if (last * (last + 1) / 2 - candidate * (candidate + 1) / 2 != sum) {
            return QStringLiteral("Case %1 is not the street of candidate %2")
                .arg(last)
                .arg(candidate);
        }
    }
    return {};
}

void tst_RandomEvents::randomClicksAndTicks()
{
    QFETCH(unsigned, seed);
    m_window = std::make_unique<frmPonderival>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *stop = control<QPushButton>(*m_window, "cmdStop");
    std::mt19937 random(seed);
    std::bernoulli_distribution isClick(0.1);
    RunModel model;
    int halts = 0;
    for (int index = 0; index < eventsPerSeed; ++index) {
        if (isClick(random)) {
            QTest::mouseClick(stop, Qt::LeftButton);
            model.running = !model.running;
            model.justStarted = model.running;
        } else {
            halts += tick(model) ? 1 : 0;
        }
        const QString failure = checkInvariants(model);
        QVERIFY2(
            failure.isEmpty(),
            qPrintable(QStringLiteral("seed %1, event %2: %3").arg(seed).arg(index).arg(failure)));
    }
    // Enough steps ran for the search to halt by itself several times, not only by clicks.
    QVERIFY2(halts >= 3, qPrintable(QStringLiteral("seed %1: %2 halts").arg(seed).arg(halts)));
    m_window.reset();
}

QTEST_MAIN(tst_RandomEvents)
#include "tst_randomevents.moc"
