#include "frmponderivaldescription.h"
#include "qtform.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <algorithm>

// The real program started as a user starts it: with no display it must say so and end with
// status 1, never dump core; with one it opens and keeps running until it is closed. And the
// icons start-up gives the application, which the window library carries: a program that links
// it finds them without loading anything itself.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void withoutDisplay_data();
    void withoutDisplay();
    void holdsExactlyTheWindowSizes();
    void eachIconHasItsSize_data();
    void eachIconHasItsSize();
    void applicationIconHasEverySize();
    void fontsAskedForAreInstalled();
    // Last: it installs the program's message handler, as start-up does.
    void sharedMemoryImagesOffUnlessChosen_data();
    void sharedMemoryImagesOffUnlessChosen();
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
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

void tst_Startup::holdsExactlyTheWindowSizes()
{
    const QStringList expected{
        QStringLiteral("ponderival-16.png"), QStringLiteral("ponderival-32.png"),
        QStringLiteral("ponderival-48.png"), QStringLiteral("ponderival-64.png")};
    QCOMPARE(QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name), expected);
}

void tst_Startup::eachIconHasItsSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64}) {
        QTest::addRow("%d", size) << size;
    }
}

// The street along the bottom edge is opaque green, the sky above the houses is clear.
void tst_Startup::eachIconHasItsSize()
{
    QFETCH(int, size);
    const QImage icon(QStringLiteral(":/icons/ponderival-%1.png").arg(size));
    QVERIFY2(!icon.isNull(), "icon not found in the resources");
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(icon.pixel(0, 0), qRgba(0, 0, 0, 0));
    QCOMPARE(icon.pixel(size - 1, size - 1), qRgba(63, 143, 90, 255));
}

// The windows take their icon from the application, which start-up gives every size carried.
void tst_Startup::applicationIconHasEverySize()
{
    ponderival::configureApplication();
    QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}

// Every font the window asks for is one the system has, the described face or its substitute, so
// Qt never searches for others at start-up; what it draws with is that very face.
void tst_Startup::fontsAskedForAreInstalled()
{
    ponderival::configureApplication();
    const QStringList installed = QFontDatabase::families();
    for (const ponderival::form::Font &font :
         {ponderival::form::windowFont, ponderival::form::titleFont}) {
        const QFont asked = ponderival::qt::toQFont(font);
        const ponderival::form::Face &face = ponderival::form::faceOf(font);
        const QString expected = ponderival::qt::toQString(
            installed.contains(ponderival::qt::toQString(face.name), Qt::CaseInsensitive)
                ? face.name
                : face.substitute);
        // Qt keeps a substitute's name in lower case.
        QCOMPARE(asked.family().toLower(), expected.toLower());
        QCOMPARE(QFontInfo(asked).family(), expected);
    }
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

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
