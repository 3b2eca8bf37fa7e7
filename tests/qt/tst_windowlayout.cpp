#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFrame>
#include <QScreen>
#include <QTest>

using namespace windowtest;

// The window as described: its frame, every control's place, text, font and colour, and what a
// screen reader is told. Positions in the tables are the description's twips, 15 to a pixel.
class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void init();
    void cleanup() { m_window.reset(); }

    void windowFrame();
    void geometry_data();
    void geometry();
    void texts_data();
    void texts();
    void fonts_data();
    void fonts();
    void backgrounds_data();
    void backgrounds();
    void stopButtonRunningLook();
    void shapeIsOnePixelOutline();
    void unseenControls_data();
    void unseenControls();
    void accessibility_data();
    void accessibility();

private:
    std::unique_ptr<frmPonderival> m_window;
};

void tst_WindowLayout::init()
{
    m_window = std::make_unique<frmPonderival>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_WindowLayout::windowFrame()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmPonderival"));
    QCOMPARE(m_window->size(), QSize(4710 / 15, 4380 / 15));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Form1"));
    const QRect available = m_window->screen()->availableGeometry();
    QCOMPARE(m_window->geometry().center(), available.center());
}

void tst_WindowLayout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char *name, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
    };
    row("Shape1", 120, 120, 4455, 3015);
    row("Label4_0", 240, 240, 4215, 375);
    row("Label6", 360, 600, 4095, 255);
    row("Label1", 360, 960, 1695, 375);
    row("Label2", 2280, 960, 975, 375);
    row("Label3", 3360, 960, 975, 375);
    row("lblTot", 360, 1320, 1695, 375);
    row("lblCivico", 2280, 1320, 975, 375);
    row("lblCase", 3360, 1320, 975, 375);
    row("cmdStop", 1200, 1920, 975, 615);
    row("cmdEsc", 2640, 1920, 975, 615);
    row("Label4_1", 240, 2760, 4215, 375);
    row("Label5", 120, 3240, 4455, 1095);
    row("lblN", 4320, 8280, 375, 375);
    row("lblTot2", 12120, 3960, 1695, 375);
    row("cmdAvanti", 5640, 6840, 975, 615);
}

void tst_WindowLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), m_window.get());
    const QRect pixels(twips.left() / 15, twips.top() / 15, twips.width() / 15,
                       twips.height() / 15);
    QCOMPARE(widget->geometry(), pixels);
}

void tst_WindowLayout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "Label4_0"
                           << "Quesito delle case numerate";
    QTest::newRow("source") << "Label6"
                            << "(problema ispirato da #quolsitan)";
    QTest::newRow("Somma") << "Label1"
                           << "Somma";
    QTest::newRow("Numero") << "Label2"
                            << "Numero";
    QTest::newRow("Case") << "Label3"
                          << "Case";
    QTest::newRow("lblTot") << "lblTot"
                            << "1";
    QTest::newRow("lblCivico") << "lblCivico"
                               << "2";
    QTest::newRow("lblCase") << "lblCase"
                             << "";
    QTest::newRow("lblN") << "lblN"
                          << "1";
    QTest::newRow("lblTot2") << "lblTot2"
                             << "1";
    QTest::newRow("statement")
        << "Label5"
        << "In una strada ci sono alcune case (da 50 a 500) allineate e numerate 1,2,3,4... "
           "consecutivamente. Fra queste c'\u00e8 n'\u00e8 una tale che la somma di tutti i "
           "numeri che la precedono \u00e8 uguale alla somma di tutti i numeri delle case che la "
           "seguono. Qual \u00e8 il numero di questa casa?";
}

void tst_WindowLayout::texts()
{
    QFETCH(QString, name);
    QTEST(labelText(*m_window, name.toLatin1().constData()), "text");
    const auto *label = control<QLabel>(*m_window, name.toLatin1().constData());
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void tst_WindowLayout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("shownFamily");
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString liberationSans = QStringLiteral("Liberation Sans");
    QTest::newRow("title") << "Label4_0"
                           << "Times New Roman" << 14.25 << true << "Liberation Serif";
    for (const char *name : {"Label6", "Label4_1", "Label5", "cmdAvanti"}) {
        QTest::newRow(name) << name << sans << 8.25 << false << liberationSans;
    }
    for (const char *name :
         {"Label1", "Label2", "Label3", "lblTot", "lblCivico", "lblCase", "lblN", "lblTot2"}) {
        QTest::newRow(name) << name << sans << 12.0 << true << liberationSans;
    }
    for (const char *name : {"cmdStop", "cmdEsc"}) {
        QTest::newRow(name) << name << sans << 9.75 << true << liberationSans;
    }
}

void tst_WindowLayout::fonts()
{
    QFETCH(QString, name);
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    widget->ensurePolished();
    QTEST(widget->font().family(), "family");
    QTEST(widget->font().pointSizeF(), "points");
    QTEST(widget->font().bold(), "bold");
    QCOMPARE(widget->font().italic(), false);
    QTEST(QFontInfo(widget->font()).family(), "shownFamily");
}

void tst_WindowLayout::backgrounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("colour");
    QTest::newRow("lblTot white") << "lblTot" << 0xFFFFFFU;
    QTest::newRow("lblCivico light yellow") << "lblCivico" << 0xC0FFFFU;
    QTest::newRow("lblCase white") << "lblCase" << 0xFFFFFFU;
    QTest::newRow("cmdStop light green") << "cmdStop" << 0xC0FFC0U;
    QTest::newRow("cmdEsc light cyan") << "cmdEsc" << 0xFFFFC0U;
    QTest::newRow("Label5 dialog face") << "Label5" << 0xF0F0F0U;
    QTest::newRow("Label1 transparent") << "Label1" << 0xF0F0F0U;
}

void tst_WindowLayout::backgrounds()
{
    QFETCH(QString, name);
    QFETCH(uint, colour);
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(backgroundOf(*m_window, *widget), fromLowByteRed(colour));
}

void tst_WindowLayout::stopButtonRunningLook()
{
    auto *stop = control<QPushButton>(*m_window, "cmdStop");
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("Stop!"));
    QCOMPARE(backgroundOf(*m_window, *stop), fromLowByteRed(0xC0C0FFU));
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("Avanti!"));
    QCOMPARE(backgroundOf(*m_window, *stop), fromLowByteRed(0xC0FFC0U));
}

void tst_WindowLayout::shapeIsOnePixelOutline()
{
    const auto *shape = control<QFrame>(*m_window, "Shape1");
    QVERIFY(shape);
    QCOMPARE(shape->frameShape(), QFrame::Box);
    QCOMPARE(shape->frameShadow(), QFrame::Plain);
    QCOMPARE(shape->lineWidth(), 1);
    const QImage image = m_window->grab().toImage();
    const QRect frame = shape->geometry();
    const QColor face(0xF0, 0xF0, 0xF0);
    for (const QPoint edge : {QPoint(frame.left(), 150), QPoint(frame.right(), 150),
                              QPoint(150, frame.top()), QPoint(150, frame.bottom())}) {
        QCOMPARE(image.pixelColor(edge), QColor(Qt::black));
    }
    // One pixel wide, and nothing painted inside it.
    QCOMPARE(image.pixelColor(frame.left() + 1, 150), face);
    QCOMPARE(image.pixelColor(frame.right() - 1, 150), face);
    QCOMPARE(image.pixelColor(frame.left() + 4, 140), face);
}

void tst_WindowLayout::unseenControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("lblN") << "lblN"
                          << "1";
    QTest::newRow("lblTot2") << "lblTot2"
                             << "1";
    QTest::newRow("cmdAvanti") << "cmdAvanti"
                               << "Avanti!";
}

void tst_WindowLayout::unseenControls()
{
    QFETCH(QString, name);
    auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QVERIFY(!widget->isVisible());
    QVERIFY(!m_window->rect().intersects(widget->geometry()));
    const auto *button = qobject_cast<const QPushButton *>(widget);
    QTEST(button ? button->text() : labelText(*m_window, name.toLatin1().constData()), "text");
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QVERIFY(accessible->state().invisible);
    // A fixed accessible name keeps the thousands of writes to these labels from raising
    // accessibility events that nobody may hear.
    if (!button) {
        QVERIFY(!widget->accessibleName().isEmpty());
    }
}

void tst_WindowLayout::accessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("description");
    QTest::newRow("lblTot") << "lblTot"
                            << "1"
                            << "Somma";
    QTest::newRow("lblCivico") << "lblCivico"
                               << "2"
                               << "Numero";
    QTest::newRow("lblCase") << "lblCase"
                             << ""
                             << "Case";
    QTest::newRow("cmdStop") << "cmdStop"
                             << "Avanti!"
                             << "";
    QTest::newRow("cmdEsc") << "cmdEsc"
                            << "Esc"
                            << "";
}

void tst_WindowLayout::accessibility()
{
    QFETCH(QString, name);
    auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    // An empty accessible name is what makes a label announce its text as it changes.
    QCOMPARE(widget->accessibleName(), QString());
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QTEST(accessible->text(QAccessible::Name), "accessibleName");
    QTEST(accessible->text(QAccessible::Description), "description");
    QVERIFY(!accessible->state().invisible);
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
