#include "startup.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The real program started as a user starts it: with no display it must say so and end with
// status 1, never dump core; with one it opens and keeps running until it is closed.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void withoutDisplay_data();
    void withoutDisplay();
    void sharedMemoryImagesOffUnlessChosen_data();
    void sharedMemoryImagesOffUnlessChosen();

private:
    static QProcessEnvironment environmentWithout(const QStringList &names)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : names) {
            environment.remove(name);
        }
        return environment;
    }
};

void tst_Startup::withoutDisplay_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("message");
    QTest::newRow("no display named") << QString() << "nessuno schermo disponibile";
    QTest::newRow("display unreachable") << ":97"
                                         << "impossibile aprire la finestra";
}

void tst_Startup::withoutDisplay()
{
    QFETCH(QString, display);
    QProcessEnvironment environment =
        environmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    if (!display.isEmpty()) {
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PONDERIVAL_EXECUTABLE), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QFETCH(QString, message);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

void tst_Startup::sharedMemoryImagesOffUnlessChosen_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("not chosen") << QByteArray() << QByteArray("1");
    QTest::newRow("user keeps shared memory") << QByteArray("0") << QByteArray("0");
}

void tst_Startup::sharedMemoryImagesOffUnlessChosen()
{
    QFETCH(QByteArray, chosen);
    if (chosen.isNull()) {
        qunsetenv("QT_XCB_NO_MITSHM");
    } else {
        qputenv("QT_XCB_NO_MITSHM", chosen);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QVERIFY(ponderival::prepareToStart());
    QTEST(qgetenv("QT_XCB_NO_MITSHM"), "expected");
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
