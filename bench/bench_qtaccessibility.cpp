#include "colourbutton.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "qtform.h"
#include "startup.h"
#include "windowmodel.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

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

} // namespace

// The window as Qt alone would serve a screen reader. The screen-reader rows of the benchmark
// table set the program beside it.
int main(int argc, char *argv[])
{
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
