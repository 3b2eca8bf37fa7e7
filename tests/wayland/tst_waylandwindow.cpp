#include "frmponderival.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace windowtest;
namespace form = ponderival::form;

namespace {

// Generous for a compositor on a busy machine; every wait ends as soon as its condition holds.
constexpr int compositorTimeoutMs = 30000;

// What a Linux desktop offers the program, each under a weston of its own (with-weston.sh, with
// --xwayland where X11 is offered), and the platform the program must then run on. Only on X11
// can the window place itself, so only there is it centred on the screen.
struct Offer
{
    std::string_view name;
    bool x11;
    const char *usersPlatform;
    const char *platform;
};

constexpr std::array offers{
    Offer{"both-offered", true, nullptr, "xcb"},
    Offer{"user-chose-wayland", true, "wayland", "wayland"},
    Offer{"wayland-alone", false, nullptr, "wayland"},
};

const Offer *offerNamed(std::string_view name)
{
    const auto offer = std::find_if(offers.begin(), offers.end(),
                                    [&](const Offer &each) { return each.name == name; });
    return offer != offers.end() ? &*offer : nullptr;
}

// Read from the plugins' metadata, without loading one: Qt would end the program at once if the
// platform it is told to use were missing, without naming the package.
bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    for (const QString &file : platforms.entryList(QDir::Files)) {
        const QJsonObject metaData = QPluginLoader(platforms.filePath(file)).metaData();
        const QJsonObject plugin = metaData.value(QStringLiteral("MetaData")).toObject();
        if (plugin.value(QStringLiteral("Keys")).toArray().contains(QStringLiteral("wayland"))) {
            return true;
        }
    }
    return false;
}

// Why this run cannot show what the offer says, or nothing when it can.
const char *unmetNeed(const Offer &offer)
{
    if (!waylandPluginInstalled()) {
        return "the Qt Wayland platform plugin is not installed (Debian package qt6-wayland)";
    }
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsEmpty("DISPLAY") == offer.x11) {
        return "not the displays this offer names: run it under with-weston.sh, with --xwayland "
               "where X11 is offered";
    }
    return nullptr;
}

// The place of the control filled with this colour as the compositor shows it: the bounding box
// of its pixels on a screenshot of weston's one output. Empty until the window is on screen.
QRect shownOnScreen(const QColor &colour)
{
    const QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(compositorTimeoutMs) || shooter.exitCode() != 0) {
        return {};
    }
    const QDir shots(folder.path(), QStringLiteral("*.png"));
    const QImage picture = shots.isEmpty() ? QImage() : QImage(shots.filePath(shots[0]));
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == colour.rgb()) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

// The real window on the platform the program picked for itself in its own start-up, under a
// real compositor: where it opens, as Qt and as the compositor see it. Input sent to a widget
// never passes the compositor, so what the window does is left to the X11 and offscreen tests.
class tst_WaylandWindow : public QObject
{
    Q_OBJECT

public:
    explicit tst_WaylandWindow(const Offer &offer) : m_offer(offer) {}

private slots:
    void opens();

private:
    static void opensAsDescribed(const QWidget &window, bool placedByItself);

    const Offer &m_offer;
};

void tst_WaylandWindow::opens()
{
    const QString platform = QString::fromLatin1(m_offer.platform);
    QCOMPARE(QGuiApplication::platformName(), platform);
    frmPonderival window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    opensAsDescribed(window, platform == QLatin1String("xcb"));
}

// Frameless and of the described size at scale 1 everywhere; centred where it places itself.
// Weston honours an X window's place when it is mapped, and the screenshot tells what it did.
void tst_WaylandWindow::opensAsDescribed(const QWidget &window, bool placedByItself)
{
    const QSize described(form::pixels(form::window.width), form::pixels(form::window.height));
    QCOMPARE(window.size(), described);
    QCOMPARE(window.devicePixelRatio(), 1.0);
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, described,
                                              window.screen()->geometry());
    if (placedByItself) {
        QCOMPARE(window.geometry(), centred);
    } else {
        // On Wayland a title bar would be Qt's own, drawn around the window.
        QCOMPARE(window.windowHandle()->frameMargins(), QMargins());
    }
    const form::Control civico = *form::findControl("lblCivico");
    const QRect place = ponderival::qt::toQRect(civico.place);
    const QColor face = fromLowByteRed(civico.background.value);
    QTRY_COMPARE_WITH_TIMEOUT(shownOnScreen(face).size(), place.size(), compositorTimeoutMs);
    if (placedByItself) {
        QCOMPARE(shownOnScreen(face), place.translated(centred.topLeft()));
    }
}

// The offer this run is under comes first on the command line; Qt Test gets the rest. The user's
// own choice of platform, if the offer has one, is in place before the program's start-up runs.
int main(int argc, char *argv[])
{
    const Offer *offer = offerNamed(argc > 1 ? argv[1] : "");
    if (offer == nullptr) {
        std::fputs("usage: with-weston.sh [--xwayland] tst_waylandwindow OFFER [Qt Test options]\n",
                   stderr);
        return EXIT_FAILURE;
    }
    if (const char *need = unmetNeed(*offer)) {
        std::fprintf(stderr, "FAIL: %s\n", need);
        return EXIT_FAILURE;
    }
    qunsetenv("QT_QPA_PLATFORM");
    if (offer->usersPlatform != nullptr) {
        qputenv("QT_QPA_PLATFORM", offer->usersPlatform);
    }
    if (!ponderival::prepareToStart()) {
        return EXIT_FAILURE;
    }
    int qtArgumentCount = 1;
    const QApplication app(qtArgumentCount, argv);
    ponderival::configureApplication();
    tst_WaylandWindow test(*offer);
    argv[1] = argv[0];
    return QTest::qExec(&test, argc - 1, argv + 1);
}

#include "tst_waylandwindow.moc"
