#include "frmponderival.h"

#include "colourbutton.h"
#include "qtform.h"
#include "statusarea.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace ponderival::qt {

namespace {

// A modal message box with one button; returns when the user has acknowledged it.
void showReport(QWidget *parent, const RuntimeError &error)
{
    QMessageBox box(QMessageBox::Critical, toQString(runtimeErrorTitle),
                    toQString(runtimeErrorText(error)), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("runtimeErrorMessage"));
    box.exec();
}

} // namespace

frmPonderival::frmPonderival(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_controls(*this),
      m_timer1(new QTimer(this)), m_statusArea(new StatusArea(*this)),
      m_reportError([this](const RuntimeError &error) { showReport(this, error); }), m_model(*this)
{
    m_timer1->setObjectName(toQString(form::timer1.name));
    m_timer1->setInterval(WindowModel::timer1Period);
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, [this] { m_model.tick(); });
    for (const auto &[index, button] : m_controls.buttons()) {
        connect(button, &QPushButton::clicked, this,
                [this, index = index] { m_model.click(index); });
    }
    m_controls.cmdStop().setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
    m_model.windowOpened();
}

frmPonderival::~frmPonderival() = default;

// However the window is closed, the model hears of it: no step runs once it is closing.
void frmPonderival::closeEvent(QCloseEvent *event)
{
    m_model.windowClosed();
    QWidget::closeEvent(event);
}

void frmPonderival::showText(Field field, std::string_view text)
{
    m_controls.field(field).setText(toQString(text));
}

void frmPonderival::setStopCaption(std::string_view caption)
{
    m_controls.cmdStop().setText(toQString(caption));
}

void frmPonderival::setStopFace(Colour face)
{
    m_controls.cmdStop().setBackgroundColour(toQColor(face));
}

void frmPonderival::say(const Announcement &announcement)
{
    m_statusArea->announce(toQString(announcement.message), toQString(announcement.followUp));
}

// Qt 6.4 sends the name change with the field in place of its new name, which the field's
// accessible interface then gives from its text. A label with a name of its own sends no change
// of Qt's when its text changes, a hundred times a second.
void frmPonderival::nameField(Field field, std::string_view name)
{
    m_controls.field(field).setAccessibleName(toQString(name));
}

void frmPonderival::describeStop(std::string_view description)
{
    m_controls.cmdStop().setAccessibleDescription(toQString(description));
}

// The last window closed ends the program with status 0; an error ends it with its own.
void frmPonderival::close(int exitStatus)
{
    QWidget::close();
    if (exitStatus != 0) {
        QCoreApplication::exit(exitStatus);
    }
}

} // namespace ponderival::qt
