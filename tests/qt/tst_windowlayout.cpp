#include "frmponderival.h"
#include "frmponderivaldescription.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFrame>
#include <QScreen>
#include <QTest>

#include <functional>
#include <optional>
#include <string_view>

using namespace windowtest;
namespace form = ponderival::form;

namespace {

QString qString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One row per control of the window's description that the filter takes, named after it.
void descriptionRows(const std::function<bool(const form::Control &)> &filter)
{
    QTest::addColumn<QString>("name");
    for (const form::Control &control : form::controls) {
        if (filter(control)) {
            QTest::newRow(std::string(control.name).c_str()) << qString(control.name);
        }
    }
}

form::Control described(const QString &name)
{
    return form::findControl(name.toStdString()).value();
}

QRect pixels(const form::Twips &place)
{
    return {form::pixels(place.left), form::pixels(place.top), form::pixels(place.width),
            form::pixels(place.height)};
}

bool isLabel(const form::Control &control)
{
    return control.kind == form::ControlKind::Label;
}

} // namespace

// The window built from frmponderival.ui, held value by value to the window's one description:
// places, texts, fonts, fills, alignment and visibility, and what a screen reader is told.
class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ponderival::configureApplication(); }
    void init();
    void cleanup() { m_window.reset(); }

    void windowFrame();
    void geometry_data()
    {
        descriptionRows([](const form::Control &) { return true; });
    }
    void geometry();
    void texts_data()
    {
        descriptionRows([](const form::Control &c) { return !c.text.empty() || isLabel(c); });
    }
    void texts();
    void fonts_data()
    {
        descriptionRows([](const form::Control &c) { return c.kind != form::ControlKind::Shape; });
    }
    void fonts();
    void backgrounds_data()
    {
        descriptionRows(
            [](const form::Control &c) { return c.visible && c.kind != form::ControlKind::Shape; });
    }
    void backgrounds();
    void stopButtonRunningLook();
    void shapeIsOnePixelOutline();
    void unseenControls_data()
    {
        descriptionRows([](const form::Control &c) { return !c.visible; });
    }
    void unseenControls();
    void accessibility_data()
    {
        descriptionRows([](const form::Control &c) {
            return c.visible && (c.kind == form::ControlKind::Button || !c.heading.empty());
        });
    }
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
    QCOMPARE(m_window->objectName(), qString(form::window.name));
    QCOMPARE(m_window->size(),
             QSize(form::pixels(form::window.width), form::pixels(form::window.height)));
    QCOMPARE(m_window->size(), QSize(314, 292));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->windowTitle(), qString(form::window.caption));
    const QRect available = m_window->screen()->availableGeometry();
    QCOMPARE(m_window->geometry().center(), available.center());
}

void tst_WindowLayout::geometry()
{
    QFETCH(QString, name);
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), m_window.get());
    QCOMPARE(widget->geometry(), pixels(described(name).place));
    QCOMPARE(widget->isVisible(), described(name).visible);
}

void tst_WindowLayout::texts()
{
    QFETCH(QString, name);
    const form::Control expected = described(name);
    if (const auto *button = control<QPushButton>(*m_window, name.toLatin1().constData())) {
        QCOMPARE(button->text(), qString(expected.text));
        return;
    }
    const auto *label = control<QLabel>(*m_window, name.toLatin1().constData());
    QVERIFY(label);
    QCOMPARE(label->text(), qString(expected.text));
    QCOMPARE(expected.alignment, form::Alignment::Centre);
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->wordWrap(), expected.wordWrap);
}

void tst_WindowLayout::fonts()
{
    QFETCH(QString, name);
    const form::Font expected = described(name).font;
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    widget->ensurePolished();
    QCOMPARE(widget->font().family(), qString(expected.face));
    QCOMPARE(widget->font().pointSizeF(), expected.points);
    QCOMPARE(widget->font().bold(), expected.bold);
    QCOMPARE(widget->font().italic(), false);
    // The Windows faces are shown in the Liberation faces with the same metrics.
    const QString shown =
        expected.face == "Times New Roman" ? "Liberation Serif" : "Liberation Sans";
    QCOMPARE(QFontInfo(widget->font()).family(), shown);
}

void tst_WindowLayout::backgrounds()
{
    QFETCH(QString, name);
    const form::Control expected = described(name);
    const auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    // Transparent labels and the statement show the window's face, Windows' dialog grey.
    const unsigned colour =
        expected.fill == form::Fill::Colour ? expected.background.value : 0xF0F0F0U;
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
    QCOMPARE(backgroundOf(*m_window, *stop), fromLowByteRed(form::lightGreen.value));
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

void tst_WindowLayout::unseenControls()
{
    QFETCH(QString, name);
    auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QVERIFY(!widget->isVisible());
    QVERIFY(!m_window->rect().intersects(widget->geometry()));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QVERIFY(accessible->state().invisible);
    // A fixed accessible name keeps the thousands of writes to these labels from raising
    // accessibility events that nobody may hear.
    if (isLabel(described(name))) {
        QVERIFY(!widget->accessibleName().isEmpty());
    }
}

void tst_WindowLayout::accessibility()
{
    QFETCH(QString, name);
    const form::Control expected = described(name);
    auto *widget = control(*m_window, name.toLatin1().constData());
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    // A field is named after the heading of its column, followed by the number it shows.
    const std::optional<form::Control> heading = form::findControl(expected.heading);
    QString spoken = heading ? qString(heading->text) : QString();
    if (!expected.text.empty()) {
        spoken += (spoken.isEmpty() ? QString() : QStringLiteral(" ")) + qString(expected.text);
    }
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
    QVERIFY(!accessible->state().invisible);
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
