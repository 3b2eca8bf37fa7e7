#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QTest>

using namespace windowtest;

namespace {

// Nearest-neighbour upscaling leaves every 2 x 2 block of device pixels in one colour; text drawn
// at the device resolution does not.
int mixedBlocks(const QImage &image, const QRect &deviceArea)
{
    int mixed = 0;
    for (int y = deviceArea.top(); y < deviceArea.bottom(); y += 2) {
        for (int x = deviceArea.left(); x < deviceArea.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                ++mixed;
            }
        }
    }
    return mixed;
}

} // namespace

// The opened window, pixel by pixel: against a stored picture at 96 dpi, and crisp at twice that;
// CTest runs each at its own density.
// Run with PONDERIVAL_UPDATE_GOLDEN=1 to store a new picture after an intended change of look.
class tst_WindowPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesGoldenPicture();
    void crispAtDoubleDensity();

private:
    std::unique_ptr<frmPonderival> m_window;
    QImage m_picture;
};

void tst_WindowPicture::initTestCase()
{
    ponderival::configureApplication();
    m_window = std::make_unique<frmPonderival>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_picture = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void tst_WindowPicture::matchesGoldenPicture()
{
    QVERIFY2(m_picture.devicePixelRatio() == 1.0, "the stored picture is at 96 dpi");
    if (qEnvironmentVariableIntValue("PONDERIVAL_UPDATE_GOLDEN") == 1) {
        QVERIFY(m_picture.save(goldenPath()));
    }
    const QImage stored = golden();
    QVERIFY2(!stored.isNull(), qPrintable(goldenPath()));
    QCOMPARE(m_picture.size(), stored.size());
    const qsizetype differing = differingPixels(m_picture, stored);
    QVERIFY2(differing <= differencesAllowed(stored),
             qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

void tst_WindowPicture::crispAtDoubleDensity()
{
    QVERIFY2(m_picture.devicePixelRatio() == 2.0, "run with QT_SCALE_FACTOR=2");
    QCOMPARE(m_picture.size(), m_window->size() * 2);
    const QWidget *title = control(*m_window, "Label4_0");
    const QRect deviceArea(title->geometry().topLeft() * 2, title->geometry().size() * 2);
    QVERIFY2(mixedBlocks(m_picture, deviceArea) > 100, "the title looks upscaled from 96 dpi");
    QCOMPARE(backgroundOf(*m_window, *control(*m_window, "lblCivico")), fromLowByteRed(0xC0FFFFU));
}

QTEST_MAIN(tst_WindowPicture)
#include "tst_windowpicture.moc"
