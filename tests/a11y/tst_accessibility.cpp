#include "frmponderival.h"
#include "narrator.h"
#include "startup.h"
#include "statusarea.h"
#include "windowtestsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

using namespace windowtest;
using ponderival::qt::StatusArea;

namespace {

// One accessibility event as a screen reader would get it, with its texts read at once.
struct Heard
{
    QAccessible::Event type;
    const QObject *source;
    QAccessible::Role role;
    QString name, description;
    qint64 atMs;
};

std::vector<Heard> heard;
QElapsedTimer eventClock;

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *accessible = event->accessibleInterface();
    heard.push_back({event->type(), event->object(),
                     accessible ? accessible->role() : QAccessible::NoRole,
                     accessible ? accessible->text(QAccessible::Name) : QString(),
                     accessible ? accessible->text(QAccessible::Description) : QString(),
                     eventClock.elapsed()});
}

QString accessibleText(QObject *object, QAccessible::Text type)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(type) : QStringLiteral("<no interface>");
}

} // namespace

// What the window gives a screen reader: texts and the tree it reads, the messages it speaks, and
// how often the value fields tell it they changed. Events are taken where Qt would hand them to
// the platform's bridge.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_window.reset(); }

    void fieldsReadWithHeadings_data();
    void fieldsReadWithHeadings();
    void statusAreaInTree();
    void deliversWhatTheRunSays();

private:
    [[nodiscard]] QPushButton &cmdStop() const
    {
        return *control<QPushButton>(*m_window, "cmdStop");
    }
    void runToHalt();
    [[nodiscard]] QStringList announcements() const;

    std::unique_ptr<frmPonderival> m_window;
};

void tst_Accessibility::initTestCase()
{
    ponderival::configureApplication();
    QAccessible::installUpdateHandler(record);
    // A screen reader's bridge turns accessibility on some time after start-up; with none (as on
    // the offscreen platform) Qt sends no events at all.
    QVERIFY2(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000),
             "accessibility is off: run through tests/a11y/with_accessibility.py");
    eventClock.start();
}

void tst_Accessibility::init()
{
    m_window = std::make_unique<frmPonderival>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    heard.clear();
}

void tst_Accessibility::runToHalt()
{
    QTRY_VERIFY_WITH_TIMEOUT(!timer1(*m_window)->isActive(), conditionTimeoutMs);
    // The announcement follows the halting event once it has returned.
    QTRY_VERIFY(announcements().size() >= 1 && announcements().constLast().endsWith(idleCaption()));
}

// Each notification shown, as "name|description".
QStringList tst_Accessibility::announcements() const
{
    QStringList result;
    for (const Heard &event : heard) {
        if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification) {
            result.append(event.name + u'|' + event.description);
        }
    }
    return result;
}

void tst_Accessibility::fieldsReadWithHeadings_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    const auto row = [](const char *name, int runs, const char *field, const QString &value) {
        QTest::newRow(name) << runs << QString::fromLatin1(field) << headed(field, value) << value;
    };
    row("lblTot at start", 0, "lblTot", QStringLiteral("1"));
    row("lblCivico at start", 0, "lblCivico", QStringLiteral("2"));
    row("empty lblCase: heading once", 0, "lblCase", QString());
    row("lblTot at 1st solution", 1, "lblTot", QStringLiteral("15"));
    row("lblCivico at 1st solution", 1, "lblCivico", QStringLiteral("6"));
    row("lblCase at 1st solution", 1, "lblCase", QStringLiteral("8"));
    row("lblCase at 2nd solution", 2, "lblCase", QStringLiteral("49"));
}

void tst_Accessibility::fieldsReadWithHeadings()
{
    QFETCH(int, runs);
    QFETCH(QString, field);
    for (int run = 0; run < runs; ++run) {
        cmdStop().click();
        runToHalt();
    }
    auto *label = control<QLabel>(*m_window, field.toLatin1().constData());
    QVERIFY(label);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QTEST(accessible->text(QAccessible::Name), "name");
    QTEST(accessible->text(QAccessible::Value), "value");
    QCOMPARE(accessible->text(QAccessible::Description), QString());
    QVERIFY(!accessible->state().invisible);
}

void tst_Accessibility::statusAreaInTree()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
    QVERIFY(window);
    auto *areaWidget = m_window->findChild<QWidget *>(QLatin1StringView(StatusArea::areaName),
                                                      Qt::FindDirectChildrenOnly);
    QVERIFY(areaWidget);
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(areaWidget);
    QVERIFY(area);
    QCOMPARE(area->role(), QAccessible::StatusBar);
    QCOMPARE(area->parent(), window);
    QCOMPARE(window->child(window->indexOfChild(area)), area);
    QVERIFY(area->rect().isEmpty());
    QCOMPARE(area->childCount(), static_cast<int>(ponderival::statusSlots));
    for (int index = 0; index < area->childCount(); ++index) {
        QAccessibleInterface *notice = area->child(index);
        QVERIFY(notice);
        QCOMPARE(notice->role(), QAccessible::Notification);
        QCOMPARE(notice->parent(), area);
        QCOMPARE(area->indexOfChild(notice), index);
        QVERIFY(notice->rect().isEmpty());
    }
}

// What the window's model decides a screen reader hears, as Qt hands it on: each message as a
// notification of the status area, cmdStop described by where the run halted, and name changes of
// the seen fields alone, a few a second.
void tst_Accessibility::deliversWhatTheRunSays()
{
    QStringList expected;
    qint64 started = 0;
    for (const auto &[total, house, street] :
         std::initializer_list<std::array<int, 3>>{{15, 6, 8}, {595, 35, 49}, {20706, 204, 288}}) {
        started = eventClock.elapsed();
        cmdStop().click();
        runToHalt();
        expected << runningCaption() + u'|'
                 << announcedAnswer(total, house, street) + u'|' + idleCaption();
    }
    const qint64 elapsed = eventClock.elapsed() - started;
    QCOMPARE(announcements(), expected);
    QCOMPARE(accessibleText(&cmdStop(), QAccessible::Description),
             announcedAnswer(20706, 204, 288));

    auto *tot = control<QLabel>(*m_window, "lblTot");
    qint64 sums = 0;
    for (const Heard &event : heard) {
        QVERIFY2(event.source != control<QLabel>(*m_window, "lblN") &&
                     event.source != control<QLabel>(*m_window, "lblTot2"),
                 "an unseen field sent an event");
        sums +=
            event.type == QAccessible::NameChanged && event.source == tot && event.atMs >= started;
    }
    QVERIFY2(sums >= 2 && sums <= elapsed / ponderival::namePacing.count() + 2,
             qPrintable(QStringLiteral("%1 events in %2 ms").arg(sums).arg(elapsed)));

    // Halted by hand: the caption alone, and the description without the empty street.
    cmdStop().click();
    QTRY_COMPARE(announcements().size(), expected.size() + 1);
    QCOMPARE(accessibleText(&cmdStop(), QAccessible::Description), QString());
    cmdStop().click();
    QTRY_COMPARE(announcements().size(), expected.size() + 2);
    QCOMPARE(announcements().constLast(), idleCaption() + u'|');
    const QStringList halted{headed("lblTot", labelText(*m_window, "lblTot")),
                             headed("lblCivico", labelText(*m_window, "lblCivico"))};
    QCOMPARE(accessibleText(&cmdStop(), QAccessible::Description),
             halted.join(QStringLiteral(", ")));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
