#include "controlpanel.h"

#include "announcer.h"
#include "colourbutton.h"
#include "qtform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace ponderival::qt {

ControlPanel::ControlPanel(const FormControls &controls, QTimer &timer1, ErrorReporter reporter)
    : WindowPanel(std::move(reporter)), m_timer1(timer1),
      m_stopButton(controls.colourButton(form::indexOf("cmdStop")))
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        m_fields.at(index) = &controls.label(form::controlIndex(fieldNames.at(index)).value());
    }
}

std::string ControlPanel::labelText(Field field) const
{
    return m_fields.at(static_cast<std::size_t>(field))->text().toStdString();
}

void ControlPanel::showText(Field field, const std::string &text)
{
    m_fields.at(static_cast<std::size_t>(field))->setText(toQString(text));
}

void ControlPanel::eventHandled()
{
    if (m_announcer != nullptr) {
        m_announcer->eventHandled();
    }
}

void ControlPanel::endProgram()
{
    QCoreApplication::exit(exitStatus());
}

bool ControlPanel::timerEnabled() const
{
    return m_timer1.isActive();
}

void ControlPanel::setTimerEnabled(bool enabled)
{
    // Enabling an enabled timer must not restart its period, as setting the flag twice would not.
    if (enabled && !m_timer1.isActive()) {
        m_timer1.start();
    } else if (!enabled) {
        m_timer1.stop();
    }
}

void ControlPanel::setStopCaption(std::string_view caption)
{
    m_stopButton.setText(toQString(caption));
}

void ControlPanel::setStopBackground(Colour background)
{
    m_stopButton.setBackgroundColour(toQColor(background));
}

} // namespace ponderival::qt
