#include "benchsupport.h"
#include "frmponderival.h"
#include "frmponderivaldescription.h"
#include "qtform.h"
#include "startup.h"

#include <QApplication>
#include <QDateTime>

#include <memory>

using ponderival::qt::frmPonderival;
namespace form = ponderival::form;

// Start-up to the first painted frame and peak memory, for the program's window ("window"), a bare
// Qt window of the same size ("bare"), or a bare window that draws what the program's window
// shows, its texts in their places and fonts, with nothing else of it ("text"). The driver passes
// its clock at launch in PONDERIVAL_LAUNCH_NS (nanoseconds since the epoch). With "memory", the
// resident memory before and after the whole search through the real window instead.
namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Reported once the paint has finished and the frame has gone to the screen.
            QTimer::singleShot(0, [] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report()
    {
        const qint64 launched = qEnvironmentVariable("PONDERIVAL_LAUNCH_NS").toLongLong();
        const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000000;
        benchsupport::print("first_paint_ms", static_cast<double>(now - launched) / 1e6);
        benchsupport::print("peak_rss_mib", benchsupport::peakResidentMiB());
        QCoreApplication::quit();
    }
    bool m_seen = false;
};

// The same visible work as the window: each text in its place, in the same font files.
void showTexts(QWidget &window)
{
    for (const form::Control &control : form::controls) {
        if (control.visible && !control.text.empty()) {
            auto *label = new QLabel(ponderival::qt::toQString(control.text), &window);
            label->setGeometry(ponderival::qt::toQRect(control.place));
            label->setWordWrap(control.wordWrap);
            QFont font = ponderival::qt::toQFont(control.font);
            font.setFamily(ponderival::qt::toQString(form::faceOf(control.font).substitute));
            label->setFont(font);
        }
    }
}

// 65,534 steps by the unseen cmdAvanti, then the 65,535th, which overflows and is reported.
int runWholeSearch()
{
    ponderival::configureApplication();
    frmPonderival window;
    bool overflowed = false;
    window.setErrorReporter([&](const ponderival::RuntimeError &) { overflowed = true; });
    window.show();
    QCoreApplication::processEvents();
    auto *step = windowtest::control<QPushButton>(window, "cmdAvanti");
    const double before = benchsupport::residentMiB();
    int steps = 0;
    while (!overflowed) {
        step->click();
        ++steps;
        if (steps % 1000 == 0) {
            QCoreApplication::processEvents();
        }
    }
    QCoreApplication::processEvents();
    benchsupport::print("steps", steps);
    benchsupport::print("rss_before_mib", before);
    benchsupport::print("rss_after_mib", benchsupport::residentMiB());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArrayView mode = argc > 1 ? QByteArrayView(argv[1]) : QByteArrayView("window");
    const bool bare = mode != "window";
    if (!ponderival::prepareToStart()) {
        return 1;
    }
    QApplication app(argc, argv);
    if (mode == "memory") {
        return runWholeSearch();
    }
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(form::pixels(form::window.width), form::pixels(form::window.height));
        if (mode == "text") {
            showTexts(*window);
        }
    } else {
        ponderival::configureApplication();
        window = std::make_unique<frmPonderival>();
    }
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
