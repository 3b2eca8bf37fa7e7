#include "controlpanel.h"

#include "colourbutton.h"

#include <QColor>
#include <QLabel>
#include <QString>
#include <QTimer>

#include <utility>

using ponderival::Colour;
using ponderival::Field;
using ponderival::fieldCount;

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
    const auto index = static_cast<std::size_t>(field);
    return m_pending.at(index) ? m_pendingTexts.at(index) : label(field).text().toStdString();
}

void ControlPanel::setText(Field field, std::string_view text)
{
    const auto index = static_cast<std::size_t>(field);
    m_pendingTexts.at(index).assign(text);
    m_pending.at(index) = true;
}

void ControlPanel::commitTexts()
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        if (std::exchange(m_pending.at(index), false)) {
            m_fields.at(index)->setText(toQString(m_pendingTexts.at(index)));
        }
    }
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
