#include "controlpanel.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>
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
                           QTimer &timer, QPushButton &stopButton)
    : m_fields(fields), m_timer(timer), m_stopButton(stopButton)
{}

QLabel &ControlPanel::label(Field field) const
{
    return *m_fields.at(static_cast<std::size_t>(field));
}

std::string ControlPanel::text(Field field) const
{
    const auto &pending = m_pendingTexts.at(static_cast<std::size_t>(field));
    return pending ? *pending : label(field).text().toStdString();
}

void ControlPanel::setText(Field field, std::string_view text)
{
    m_pendingTexts.at(static_cast<std::size_t>(field)) = std::string(text);
}

void ControlPanel::commitTexts()
{
    for (std::size_t index = 0; index < m_pendingTexts.size(); ++index) {
        if (auto &pending = m_pendingTexts.at(index)) {
            m_fields.at(index)->setText(toQString(*pending));
            pending.reset();
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
    // The border and font come from the window's style sheet; only the colour is the button's own.
    const QColor colour(background.red(), background.green(), background.blue());
    m_stopButton.setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}
