#include "colour.h"
#include "windowdriver.h"
#include "windowreading.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace windowreading;

// The real program on a real X server, with real input through XTEST and the input focus given
// as a window manager gives it when a window opens (no window manager runs under bare Xvfb, and
// none is needed: xdotool sets the focus as one would). Its place, its picture and its keyboard.
class tst_XWindow : public X11Test
{
    Q_OBJECT

private slots:
    void placedCentredWithoutFrame();
    void matchesGoldenPicture_data();
    void matchesGoldenPicture();
    void keyboardRightAfterOpening();
    void arrowKeysStayOnButtons();
    void followsADarkDesktopTheme();

private:
    QTemporaryDir m_folder;
};

void tst_XWindow::placedCentredWithoutFrame()
{
    STEP(m_driver->open());
    const QRect geometry = m_driver->program().geometry();
    QCOMPARE(geometry.size(),
             QSize(form::pixels(form::window.width), form::pixels(form::window.height)));
    const QPoint offset = geometry.center() - QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("window at %1, %2").arg(geometry.x()).arg(geometry.y())));
    // Under bare Xvfb nobody draws frames: what counts is what the window asks of every window
    // manager, Motif hints whose decorations field is in use and names no decoration at all.
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), m_driver->program().window(),
                                          QStringLiteral("_MOTIF_WM_HINTS")});
    QVERIFY(xprop.waitForFinished(conditionTimeoutMs));
    const QString hints = QString::fromLatin1(xprop.readAllStandardOutput()).simplified();
    const QStringList fields = hints.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    QVERIFY2(fields.size() >= 3, qPrintable(hints));
    QVERIFY2((fields.at(0).trimmed().toUInt(nullptr, 0) & 2U) != 0, qPrintable(hints));
    QCOMPARE(fields.at(2).trimmed().toUInt(nullptr, 0), 0U);
}

// The window as opened and focused, against the offscreen test's stored picture. Qt's own
// command-line options must change nothing: the program takes no command line.
void tst_XWindow::matchesGoldenPicture_data()
{
    const QString sheet = m_folder.filePath(QStringLiteral("red.qss"));
    QFile file(sheet);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("* { background: red; }") > 0);
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("-reverse") << QStringList{"-reverse"};
    QTest::newRow("-stylesheet") << QStringList{"-stylesheet", sheet};
    QTest::newRow("-style") << QStringList{"-style", "Windows"};
    QTest::newRow("-qwindowtitle") << QStringList{"-qwindowtitle", "Altro"};
    QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
    QTest::newRow("-fn and -bg") << QStringList{"-fn", "Serif 20", "-bg", "red"};
}

void tst_XWindow::matchesGoldenPicture()
{
    QFETCH(QStringList, arguments);
    STEP(m_driver->open(arguments));
    const QImage golden = windowtest::golden();
    QVERIFY(!golden.isNull());
    qsizetype differing = 0;
    const bool matches = waitUntil([&] {
        const QImage shown = m_driver->grab(QRect(QPoint(), golden.size()));
        differing = windowtest::differingPixels(shown, golden);
        return differing <= windowtest::differencesAllowed(golden);
    });
    QVERIFY2(matches, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

// Before the pointer has moved: the keyboard alone. Esc presses nothing, Tab moves the focus,
// Space starts the search and Enter halts it.
void tst_XWindow::keyboardRightAfterOpening()
{
    STEP(m_driver->open());
    STEP(m_driver->key("Escape"));
    STEP(m_driver->key("Tab"));
    STEP(m_driver->waitForFocus(cmdEsc));
    QVERIFY2(m_driver->program().isRunning(), "Esc closed the window");
    QVERIFY(!showsText(m_driver->grab(lblCase)));
    QVERIFY(faceIs(m_driver->grab(cmdStop), idleGreen));
    STEP(m_driver->key("Tab"));
    STEP(m_driver->waitForFocus(cmdStop));
    // Each of the first three runs halts by itself: the solution it leaves shows it ran.
    STEP(m_driver->advanceToThirdSolution());
    STEP(m_driver->key("space"));
    STEP(m_driver->waitForRunning());
    STEP(m_driver->key("Return"));
    // Halted by the key, not at a solution: Idle with no street length on show.
    QVERIFY(waitUntil([this] { return faceIs(m_driver->grab(cmdStop), idleGreen); }));
    QVERIFY(!showsText(m_driver->grab(lblCase)));
    QVERIFY(m_driver->program().isRunning());
}

// Right and Down move the focus to the next button, Left and Up to the one before, as Tab and
// Shift+Tab do; no arrow ever takes it to a label, where no focus rectangle would show.
void tst_XWindow::arrowKeysStayOnButtons()
{
    STEP(m_driver->open());
    const std::initializer_list<std::pair<const char *, QRect>> steps{
        {"Right", cmdEsc}, {"Down", cmdStop}, {"Left", cmdEsc},
        {"Up", cmdStop},   {"Left", cmdEsc},  {"Right", cmdStop}};
    for (const auto &[arrow, focused] : steps) {
        STEP(m_driver->key(arrow));
        STEP(m_driver->waitForFocus(focused));
    }
    STEP(m_driver->key("space"));
    STEP(m_driver->waitForSolution());
}

// Under a dark desktop theme (GTK's Adwaita dark, through Qt's GTK platform theme) the window's
// face and its texts are the theme's; the fields and the buttons keep their own faces, and every
// text stands out at least 4.5:1 on what it is drawn on.
void tst_XWindow::followsADarkDesktopTheme()
{
    QVERIFY2(QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platformthemes/libqgtk3.so")),
             "needs qt6-gtk-platformtheme");
    QProcessEnvironment dark;
    dark.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("gtk3"));
    dark.insert(QStringLiteral("GTK_THEME"), QStringLiteral("Adwaita:dark"));
    STEP(m_driver->open({}, dark));
    STEP(m_driver->expectFace(cmdStop, idleGreen, QStringLiteral("dark theme")));
    const QImage shown = m_driver->program().grab();
    const auto colour = [&](int x, int y) {
        const QColor pixel = shown.pixelColor(x, y);
        return ponderival::Colour{
            static_cast<std::uint32_t>(pixel.red() | pixel.green() << 8 | pixel.blue() << 16)};
    };
    const ponderival::Colour face = colour(2, 2);
    QVERIFY2(contrast(face, ponderival::Colour{0xFFFFFF}) > contrast(face, ponderival::Colour{}),
             qPrintable(QStringLiteral("a light face, %1").arg(QString::number(face.value, 16))));
    const QColor civico =
        windowtest::fromLowByteRed(form::findControl("lblCivico")->background.value);
    QCOMPARE(shown.pixelColor(placeOf("lblCivico").topLeft() + QPoint(2, 2)), civico);
    for (const char *name : {"Label1", "lblCivico", "cmdStop"}) {
        const QRect place = placeOf(name);
        const ponderival::Colour fill = colour(place.left() + 2, place.center().y());
        double best = 0;
        for (int x = place.left() + 6; x < place.right() - 6; ++x) {
            best = std::max(best, contrast(colour(x, place.center().y()), fill));
        }
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(best)));
    }
}

QTEST_MAIN(tst_XWindow)
#include "tst_xwindow.moc"
