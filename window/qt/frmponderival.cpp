#include "frmponderival.h"

#include "accessiblefactory.h"
#include "eventprocedure.h"
#include "runcontrol.h"
#include "searchstep.h"
#include "ui_frmponderival.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <cstdlib>
#include <optional>
#include <utility>

using ponderival::Panel;
using ponderival::RuntimeError;

frmPonderival::frmPonderival(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::frmPonderival>()), m_timer1(new QTimer(this))
{
    installAccessibleFactory();
    m_ui->setupUi(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(10);
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_panel = std::make_unique<ControlPanel>(
        std::array{m_ui->lblN, m_ui->lblTot, m_ui->lblCivico, m_ui->lblTot2, m_ui->lblCase},
        *m_timer1, *m_ui->cmdStop);
    m_reportError = [this](const RuntimeError &error) {
        showRuntimeErrorMessage(this, error);
    };

    connect(m_ui->cmdStop, &QPushButton::clicked, this,
            [this] { handleEvent(ponderival::cmdStop_Click); });
    connect(m_timer1, &QTimer::timeout, this, [this] { handleEvent(ponderival::Timer1_Timer); });
    connect(m_ui->cmdAvanti, &QPushButton::clicked, this,
            [this] { handleEvent(ponderival::cmdAvanti_Click); });
    connect(m_ui->cmdEsc, &QPushButton::clicked, this, &frmPonderival::cmdEsc_Click);
    attachAnnouncer(*this);

    m_ui->cmdStop->setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

frmPonderival::~frmPonderival() = default;

void frmPonderival::setErrorReporter(ErrorReporter reporter)
{
    m_reportError = std::move(reporter);
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

// Every event enters the search here, so no exception ever crosses Qt's event loop.
void frmPonderival::handleEvent(void (*procedure)(Panel &))
{
    const std::optional<RuntimeError> failure = ponderival::runEventProcedure(procedure, *m_panel);
    // A failed step keeps what it wrote before failing, and the report shows it behind.
    m_panel->commitTexts();
    if (failure) {
        endWithError(*failure);
    }
}

void frmPonderival::endWithError(const RuntimeError &error)
{
    // Stopping Timer1 first means exactly one report, with no step running behind it.
    m_timer1->stop();
    m_reportError(error);
    QCoreApplication::exit(EXIT_FAILURE);
}
