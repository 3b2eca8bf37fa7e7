#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

using namespace windowtest;
using ponderival::RuntimeError;

namespace {

// What the error reporter saw when it was called.
struct Report
{
    int number;
    QString description;
    bool timerActive;
    QStringList texts;
};

} // namespace

// Closing, and the end after an error nothing handled: each test runs the application's real
// event loop and checks the status it ends with. Last, the overflow reached step by step through
// the unseen cmdAvanti, with the error handled.
class tst_Lifetime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void init();
    void cleanup() { m_window.reset(); }

    void escEndsWithStatusZero();
    void escWhileRunningRunsNoFurtherStep();
    void closingOtherwiseRunsNoProcedure();
    void overflowIsReportedOnceThenEnds();
    void realMessageBoxNamesTheError();
    void errorTextNamesNumberAndDescription();
    void stepsToTheOverflowThroughTheWindow();

private:
    [[nodiscard]] QStringList panelTexts() const;
    [[nodiscard]] int exitStatusAfterClicking(const char *name);
    [[nodiscard]] QPushButton *button(const char *name) const
    {
        return control<QPushButton>(*m_window, name);
    }

    std::unique_ptr<frmPonderival> m_window;
    int m_ticks = 0;
};

void tst_Lifetime::init()
{
    m_window = std::make_unique<frmPonderival>();
    m_ticks = 0;
    connect(timer1(*m_window), &QTimer::timeout, this, [this] { ++m_ticks; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QStringList tst_Lifetime::panelTexts() const
{
    QStringList texts;
    for (const char *name : {"lblN", "lblTot", "lblCivico", "lblTot2", "lblCase"}) {
        texts << labelText(*m_window, name);
    }
    return texts;
}

// The click comes once the event loop runs, which then runs until the program ends.
int tst_Lifetime::exitStatusAfterClicking(const char *name)
{
    QTimer::singleShot(0, button(name),
                       [this, name] { QTest::mouseClick(button(name), Qt::LeftButton); });
    return QApplication::exec();
}

void tst_Lifetime::escEndsWithStatusZero()
{
    QCOMPARE(exitStatusAfterClicking("cmdEsc"), 0);
    QVERIFY(!m_window->isVisible());
}

void tst_Lifetime::escWhileRunningRunsNoFurtherStep()
{
    connect(timer1(*m_window), &QTimer::timeout, this, [this] {
        if (m_ticks == 3) {
            QTest::mouseClick(button("cmdEsc"), Qt::LeftButton);
        }
    });
    QCOMPARE(exitStatusAfterClicking("cmdStop"), 0);
    QCOMPARE(m_ticks, 3);
    QVERIFY(!timer1(*m_window)->isActive());
    QCOMPARE(labelText(*m_window, "lblN"), QStringLiteral("4"));
}

void tst_Lifetime::closingOtherwiseRunsNoProcedure()
{
    // As the window manager (or Alt+F4) does it: through the platform window, mid-run.
    connect(timer1(*m_window), &QTimer::timeout, this, [this] {
        if (m_ticks == 1) {
            m_window->windowHandle()->close();
        }
    });
    QCOMPARE(exitStatusAfterClicking("cmdStop"), 0);
    QCOMPARE(m_ticks, 1);
    const QStringList texts = panelTexts();
    QCoreApplication::processEvents();
    QCOMPARE(m_ticks, 1);
    QCOMPARE(panelTexts(), texts);
    QVERIFY(!timer1(*m_window)->isActive());
    QCOMPARE(button("cmdStop")->text(), runningCaption());
}

void tst_Lifetime::overflowIsReportedOnceThenEnds()
{
    std::vector<Report> reports;
    m_window->setErrorReporter([&](const RuntimeError &error) {
        reports.push_back({error.number(), QString::fromStdString(error.description()),
                           timer1(*m_window)->isActive(), panelTexts()});
    });
    placeBefore(*m_window, 65535);
    QCOMPARE(exitStatusAfterClicking("cmdStop"), EXIT_FAILURE);
    QCOMPARE(m_ticks, 1);
    QCOMPARE(reports.size(), std::size_t{1});
    const Report &report = reports.front();
    QCOMPARE(report.number, 6);
    QCOMPARE(report.description, QStringLiteral("Overflow"));
    QVERIFY(!report.timerActive);
    QCOMPARE(report.texts, (QStringList{"65536", "2147450880", "65537", "", ""}));
    QCOMPARE(panelTexts(), report.texts);
}

void tst_Lifetime::realMessageBoxNamesTheError()
{
    placeBefore(*m_window, 65535);
    QString shownText;
    QString shownTitle;
    int buttons = 0;
    auto *watcher = new QTimer(m_window.get());
    connect(watcher, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        watcher->stop();
        shownText = box->text();
        shownTitle = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        QVERIFY(!timer1(*m_window)->isActive());
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
    });
    watcher->start(20);
    QCOMPARE(exitStatusAfterClicking("cmdStop"), EXIT_FAILURE);
    QCOMPARE(shownText, QStringLiteral("Errore di run-time '6':\n\nOverflow"));
    QCOMPARE(shownTitle, QStringLiteral("Ponderival"));
    QCOMPARE(buttons, 1);
    QCOMPARE(m_ticks, 1);
}

void tst_Lifetime::errorTextNamesNumberAndDescription()
{
    QCOMPARE(QString::fromStdString(runtimeErrorText(RuntimeError::typeMismatch())),
             QStringLiteral("Errore di run-time '13':\n\nTipo non corrispondente"));
}

// From a few steps before the overflow, cmdAvanti's clicks reach the 65,535th step, whose
// overflow is reported over what it wrote. The whole search is stepped through in the search's
// own tests.
void tst_Lifetime::stepsToTheOverflowThroughTheWindow()
{
    std::vector<int> reported;
    m_window->setErrorReporter(
        [&](const RuntimeError &error) { reported.push_back(error.number()); });
    constexpr int firstN = 65530;
    placeBefore(*m_window, firstN);
    auto *step = button("cmdAvanti");
    int steps = 0;
    while (reported.empty() && steps < 100) {
        step->click();
        ++steps;
    }
    QCOMPARE(steps, 65536 - firstN);
    QCOMPARE(reported, std::vector<int>{6});
    QCOMPARE(panelTexts(), (QStringList{"65536", "2147450880", "65537", "", ""}));
}

QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
