#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTest>

#include <algorithm>

// The window library carries its icons: a program that links it finds them without loading
// anything itself.
class tst_WindowIcons : public QObject
{
    Q_OBJECT

private slots:
    void holdsExactlyTheWindowSizes();
    void eachIconHasItsSize_data();
    void eachIconHasItsSize();
    void applicationIconHasEverySize();
};

void tst_WindowIcons::holdsExactlyTheWindowSizes()
{
    const QStringList expected{
        QStringLiteral("ponderival-16.png"), QStringLiteral("ponderival-32.png"),
        QStringLiteral("ponderival-48.png"), QStringLiteral("ponderival-64.png")};
    QCOMPARE(QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name), expected);
}

void tst_WindowIcons::eachIconHasItsSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64}) {
        QTest::addRow("%d", size) << size;
    }
}

// The street along the bottom edge is opaque green, the sky above the houses is clear.
void tst_WindowIcons::eachIconHasItsSize()
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
void tst_WindowIcons::applicationIconHasEverySize()
{
    ponderival::configureApplication();
    QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}

QTEST_MAIN(tst_WindowIcons)
#include "tst_windowicons.moc"
