#include "controlpanel.h"

#include "colourbutton.h"

#include <QColor>
#include <QLabel>
#include <QString>
#include <QTimer>

using ponderival::Colour;
using ponderival::Field;

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ControlPanel::ControlPanel(const std::array<QLabel *, ponderival::fieldCount> &fields,
                           QTimer &timer, ColourButton &stopButton)
    : m_fields(fields), m_timer(timer), m_stopButton(stopButton)
{}

QLabel &ControlPanel::label(Field field) const
{
    return *m_fields.at(static_cast<std::size_t>(field));
}

std::string ControlPanel::text(Field field) const
{
    const std::string *pending = m_pendingTexts.find(field);
    return pending != nullptr ? *pending : label(field).text().toStdString();
}

void ControlPanel::setText(Field field, std::string_view text)
{
    m_pendingTexts.set(field, text);
}

void ControlPanel::commitTexts()
{
    m_pendingTexts.commit(
        [this](Field field, const std::string &text) { label(field).setText(toQString(text)); });
}

bool ControlPanel::timerEnabled() const
{
    return m_timer.isActive();
}

void ControlPanel::setTimerEnabled(bool enabled)
{
    // Enabling an enabled timer must not restart its period, as setting the flag twice would not.
    if (enabled && !m_timer.isActive()) {
        m_timer.start();
    } else if (!enabled) {
        m_timer.stop();
    }
}

void ControlPanel::setStopCaption(std::string_view caption)
{
    m_stopButton.setText(toQString(caption));
}

void ControlPanel::setStopBackground(Colour background)
{
    m_stopButton.setBackgroundColour(
        QColor(background.red(), background.green(), background.blue()));
}
