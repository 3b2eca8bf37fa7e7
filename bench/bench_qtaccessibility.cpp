#include "colourbutton.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "qtform.h"
#include "startup.h"
#include "windowmodel.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace ponderival;

// The same controls, model and timer, but no word for a screen reader of the window's own: Qt's
// own accessible interfaces, and Qt's event from every label at every change of its text.
class QtAlone final : public WindowPort
{
public:
    QtAlone(const qt::FormControls &controls, QTimer &timer1)
        : m_controls(controls), m_timer1(timer1)
    {}

    void showText(Field field, std::string_view text) override
    {
        m_controls.field(field).setText(qt::toQString(text));
    }
    void setStopCaption(std::string_view caption) override
    {
        m_controls.cmdStop().setText(qt::toQString(caption));
    }
    void setStopFace(Colour face) override
    {
        m_controls.cmdStop().setBackgroundColour(qt::toQColor(face));
    }
    void startTicks(std::chrono::milliseconds interval) override { m_timer1.start(interval); }
    void stopTicks() override { m_timer1.stop(); }
    void say(const Announcement & /*announcement*/) override {}
    void nameField(Field /*field*/, std::string_view /*name*/) override {}
    void describeStop(std::string_view /*description*/) override {}
    void reportError(const RuntimeError & /*error*/) override {}
    void close(int exitStatus) override { QApplication::exit(exitStatus); }

private:
    const qt::FormControls &m_controls;
    QTimer &m_timer1;
};

// Asks the accessibility registry for the events a screen reader listens to.
bool registerEvents(const QDBusConnection &bus)
{
    QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                            QStringLiteral("/org/a11y/atspi/registry"),
                            QStringLiteral("org.a11y.atspi.Registry"), bus);
    for (const char *event : {"object:property-change:accessible-name", "object:state-changed",
                              "object:children-changed", "window:"}) {
        const QDBusMessage reply =
            registry.call(QStringLiteral("RegisterEvent"), QString::fromLatin1(event));
        if (reply.type() == QDBusMessage::ErrorMessage) {
            std::fprintf(stderr, "RegisterEvent %s: %s\n", event, qPrintable(reply.errorMessage()));
            return false;
        }
    }
    return true;
}

// Stands in for a screen reader: registers for the events a reader listens to, so that the
// program under measurement really sends them, and has the bus deliver them here until it is
// stopped. Without a listener Qt sends no events at all, and the figure would flatter.
int listenAsScreenReader(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fprintf(stderr, "no accessibility bus: %s\n", qPrintable(address.error().message()));
        return EXIT_FAILURE;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    if (!registerEvents(bus)) {
        return EXIT_FAILURE;
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

} // namespace

// The window as Qt alone would serve a screen reader. The screen-reader rows of the benchmark
// table set the program beside it. With "listen", the other end of the accessibility bus instead:
// a listener standing in for the screen reader, for the rows measured with the bus on.
int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArrayView(argv[1]) == "listen") {
        return listenAsScreenReader(argc, argv);
    }
    if (!prepareToStart()) {
        return EXIT_FAILURE;
    }
    int qtArgumentCount = argc > 0 ? 1 : 0;
    QApplication app(qtArgumentCount, argv);
    configureApplication();
    QWidget window(nullptr, Qt::FramelessWindowHint);
    const qt::FormControls controls(window);
    for (const Field field : {Field::lblTot, Field::lblCivico, Field::lblCase}) {
        controls.field(field).setAccessibleName({});
    }
    QTimer timer1;
    timer1.setTimerType(Qt::PreciseTimer);
    QtAlone port(controls, timer1);
    WindowModel model(port);
    QObject::connect(&timer1, &QTimer::timeout, [&] { model.tick(); });
    for (const auto &[index, button] : controls.buttons()) {
        QObject::connect(button, &QPushButton::clicked,
                         [&model, index = index] { model.click(index); });
    }
    window.show();
    return QApplication::exec();
}
