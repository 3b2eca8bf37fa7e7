#include "frmponderival.h"

#include "accessibility.h"
#include "errorreport.h"
#include "qtform.h"
#include "runcontrol.h"
#include "searchstep.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace ponderival::qt {

namespace {

// Qt keeps the first accessible interface it makes for an object, so the window's own are
// installed before any of its controls exists.
QWidget *withAccessibleInterfaces(QWidget *parent)
{
    installAccessibleInterfaces();
    return parent;
}

} // namespace

frmPonderival::frmPonderival(QWidget *parent)
    : QWidget(withAccessibleInterfaces(parent), Qt::Window | Qt::FramelessWindowHint),
      m_controls(*this), m_timer1(new QTimer(this)),
      m_panel(m_controls, *m_timer1,
              [this](const RuntimeError &error) { showRuntimeErrorMessage(this, error); })
{
    m_timer1->setObjectName(toQString(form::timer1.name));
    m_timer1->setInterval(form::timer1.intervalMilliseconds);
    m_timer1->setTimerType(Qt::PreciseTimer);

    const auto connectClick = [this](std::size_t index, auto procedure) {
        connect(&m_controls.button(index), &QPushButton::clicked, this, procedure);
    };
    connectClick(form::indexOf("cmdStop"), [this] { m_panel.handleEvent(cmdStop_Click); });
    connectClick(form::indexOf("cmdAvanti"), [this] { m_panel.handleEvent(cmdAvanti_Click); });
    connectClick(form::indexOf("cmdEsc"), [this] { cmdEsc_Click(); });
    connect(m_timer1, &QTimer::timeout, this, [this] { m_panel.handleEvent(Timer1_Timer); });
    m_panel.setAnnouncer(attachAnnouncer(*this, m_controls, *m_timer1));

    m_controls.button(form::indexOf("cmdStop")).setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

frmPonderival::~frmPonderival() = default;

void frmPonderival::setErrorReporter(ErrorReporter reporter)
{
    m_panel.setErrorReporter(std::move(reporter));
}

void frmPonderival::closeEvent(QCloseEvent *event)
{
    // The timer goes with the window: no step may run once it is closing, however it was closed.
    m_timer1->stop();
    QWidget::closeEvent(event);
}

void frmPonderival::cmdEsc_Click()
{
    close();
}

} // namespace ponderival::qt
