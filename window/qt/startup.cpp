#include "startup.h"

#include "frmponderivaldescription.h"
#include "qtform.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace ponderival {

namespace {

constexpr auto noDisplayMessage =
    "Ponderival: nessuno schermo disponibile. Avviare il programma in una sessione grafica "
    "(variabile DISPLAY o WAYLAND_DISPLAY non impostata).\n";

QtMessageHandler qtMessageHandler = nullptr;

void reportFatalAndExit(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    qtMessageHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::fputs("Ponderival: impossibile aprire la finestra.\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

// Every size the window library carries, each read as the PNG it is: to recognise a file's format,
// Qt would load every image format plugin it has and ask each, a millisecond at start-up.
QIcon programIcon()
{
    QIcon icon;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files);
    while (files.hasNext()) {
        QImageReader file(files.next(), "png");
        file.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(file.read()));
    }
    return icon;
}

// The window's faces are Windows fonts; their substitutes have the same metrics. A face the system
// lacks is asked for by its substitute's name (toQFont()).
void useDescribedFaces()
{
    const QStringList installed = QFontDatabase::families();
    for (const form::Face &face : form::faces) {
        const QString name = qt::toQString(face.name);
        if (!installed.contains(name, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(name, qt::toQString(face.substitute));
        }
    }
    QApplication::setFont(qt::toQFont(form::windowFont));
}

bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool named = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
                       !qEnvironmentVariableIsEmpty("DISPLAY") ||
                       !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!named) {
        std::fputs(noDisplayMessage, stderr);
    }
    return named;
#else
    return true;
#endif
}

// Qt prefers Wayland wherever a compositor offers it, and a Wayland client cannot place its
// window, so the window would no longer open centred. Through the compositor's X server it still
// does, so X11 comes first wherever it is offered. With Wayland alone, Wayland is named outright:
// trying X first would tell the user on every start that it could not be reached. A user's own
// choice still wins.
void preferX11OverWayland()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb;wayland");
    }
#endif
}

} // namespace

bool prepareToStart()
{
    if (!displayAvailable()) {
        return false;
    }
    qtMessageHandler = qInstallMessageHandler(reportFatalAndExit);
    // The window's updates are two small numbers a hundred times a second. Over X11, sending them
    // through shared memory costs a round trip and several thread wake-ups each; copying the few
    // bytes over the socket costs a third less CPU. A user's own setting still wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    preferX11OverWayland();
    return true;
}

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ponderival"));
    QApplication::setApplicationVersion(QStringLiteral(PONDERIVAL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Ponderival"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ponderival.Ponderival"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setWindowIcon(programIcon());
    useDescribedFaces();

    // The same style on every desktop; the colours stay the desktop theme's.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

} // namespace ponderival
