#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include <cstdio>

// Stands in for a screen reader: asks the accessibility registry for the events a reader listens
// to, so that the program under measurement really sends them, and has the bus deliver them here
// until it is stopped. Without a listener Qt sends no events at all, and the figure would flatter.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fprintf(stderr, "no accessibility bus: %s\n", qPrintable(address.error().message()));
        return 1;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                            QStringLiteral("/org/a11y/atspi/registry"),
                            QStringLiteral("org.a11y.atspi.Registry"), bus);
    for (const char *event : {"object:property-change:accessible-name", "object:state-changed",
                              "object:children-changed", "window:"}) {
        const QDBusMessage reply =
            registry.call(QStringLiteral("RegisterEvent"), QString::fromLatin1(event));
        if (reply.type() == QDBusMessage::ErrorMessage) {
            std::fprintf(stderr, "RegisterEvent %s: %s\n", event, qPrintable(reply.errorMessage()));
            return 1;
        }
    }
    QDBusInterface daemon(QStringLiteral("org.freedesktop.DBus"),
                          QStringLiteral("/org/freedesktop/DBus"),
                          QStringLiteral("org.freedesktop.DBus"), bus);
    daemon.call(QStringLiteral("AddMatch"),
                QStringLiteral("type='signal',interface='org.a11y.atspi.Event.Object'"));
    std::printf("listening on %s\n", qPrintable(address.value()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
