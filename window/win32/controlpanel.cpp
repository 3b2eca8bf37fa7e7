#include "controlpanel.h"

#include "widetext.h"

using ponderival::Colour;
using ponderival::Field;
using ponderival::fieldCount;
using ponderival::win32::toUtf8;
using ponderival::win32::toWide;
using ponderival::win32::windowText;

ControlPanel::ControlPanel(ponderival::win32::FormControls &controls,
                           ponderival::win32::PreciseTimer &timer)
    : m_controls(controls), m_timer(timer)
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        m_fields.at(index) = controls.handle(ponderival::fieldNames.at(index));
    }
}

std::string ControlPanel::text(Field field) const
{
    const std::string *pending = m_pendingTexts.find(field);
    return pending != nullptr ? *pending
                              : toUtf8(windowText(m_fields.at(static_cast<std::size_t>(field))));
}

void ControlPanel::setText(Field field, std::string_view text)
{
    m_pendingTexts.set(field, text);
}

void ControlPanel::commitTexts()
{
    m_pendingTexts.commit([this](Field field, const std::string &text) {
        SetWindowTextW(m_fields.at(static_cast<std::size_t>(field)), toWide(text).c_str());
    });
}

bool ControlPanel::timerEnabled() const
{
    return m_timer.enabled();
}

void ControlPanel::setTimerEnabled(bool enabled)
{
    m_timer.setEnabled(enabled);
}

void ControlPanel::setStopCaption(std::string_view caption)
{
    const HWND button = m_controls.handle("cmdStop");
    SetWindowTextW(button, toWide(caption).c_str());
    InvalidateRect(button, nullptr, FALSE);
}

void ControlPanel::setStopBackground(Colour background)
{
    m_controls.setFill("cmdStop", background);
}
