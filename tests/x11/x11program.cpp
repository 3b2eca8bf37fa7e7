#include "x11program.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>

#include <csignal>

namespace {

QString programPath()
{
    // The program under test can be swapped for another build, e.g. to measure an older one.
    const QString chosen = qEnvironmentVariable("PONDERIVAL_PROGRAM");
    return chosen.isEmpty() ? QStringLiteral(PONDERIVAL_EXECUTABLE) : chosen;
}

QRect windowGeometry(const QString &window)
{
    const QString shell =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
            .value_or(QString());
    QHash<QString, int> values;
    for (const QString &line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    }
    return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
            values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
}

} // namespace

std::optional<QString> xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(conditionTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

X11Program::~X11Program()
{
    stop();
}

QString X11Program::start(const QStringList &arguments, const QProcessEnvironment &extra)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(extra);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("dbus-run-session"),
                    QStringList{QStringLiteral("--"), programPath()} + arguments);
    if (!m_process.waitForStarted()) {
        return QStringLiteral("dbus-run-session did not start: %1").arg(m_process.errorString());
    }
    const bool mapped = waitUntil([this] {
        m_window = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--name"), QStringLiteral("^Form1$")})
                       .value_or(QString())
                       .trimmed();
        return !m_window.isEmpty() || m_process.state() == QProcess::NotRunning;
    });
    if (!mapped || m_window.isEmpty()) {
        return QStringLiteral("the window did not appear");
    }
    m_geometry = windowGeometry(m_window);
    return {};
}

bool X11Program::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

bool X11Program::giveFocus() const
{
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_window}).has_value();
}

bool X11Program::takeFocusAway()
{
    const QString root = xdotool({QStringLiteral("search"), QStringLiteral("--maxdepth"),
                                  QStringLiteral("0"), QStringLiteral("--name"), QString()})
                             .value_or(QString())
                             .trimmed();
    return !root.isEmpty() &&
           xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), root}).has_value();
}

QImage X11Program::grab(const QRect &area) const
{
    const QRect onScreen = area.translated(m_geometry.topLeft());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The program, as started by dbus-run-session beside its bus daemon.
qint64 X11Program::programPid() const
{
    const qint64 session = m_process.processId();
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(session));
    if (!children.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &child : children.readAll().split(' ')) {
        QFile name(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(child)));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() != "dbus-daemon") {
            return child.toLongLong();
        }
    }
    return 0;
}

void X11Program::stop()
{
    // The program itself is ended, so that dbus-run-session then ends its bus as it should.
    for (const int signal : {SIGTERM, SIGKILL}) {
        if (!isRunning()) {
            return;
        }
        if (const qint64 pid = programPid(); pid > 0) {
            ::kill(static_cast<pid_t>(pid), signal);
        }
        m_process.waitForFinished(conditionTimeoutMs);
    }
    m_process.kill();
    m_process.waitForFinished();
}
