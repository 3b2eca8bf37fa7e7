#include "controlpanel.h"

#include "frmponderivaldescription.h"
#include "pagebridge.h"

namespace ponderival::web {

namespace {

constexpr std::string_view stopButton = "cmdStop";

} // namespace

ControlPanel::ControlPanel()
    : WindowPanel([](const RuntimeError &error) { page::reportError(runtimeErrorText(error)); })
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        m_texts.at(index) = initialTexts.at(index);
    }
}

void ControlPanel::setTimerEnabled(bool enabled)
{
    m_timerEnabled = enabled;
    page::setTimer(enabled, form::timer1.intervalMilliseconds);
}

void ControlPanel::setStopCaption(std::string_view caption)
{
    page::setCaption(stopButton, caption);
}

void ControlPanel::setStopBackground(Colour background)
{
    page::setFace(stopButton, background);
}

void ControlPanel::unload() noexcept
{
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    m_timerEnabled = false;
    page::setTimer(false, form::timer1.intervalMilliseconds);
    page::end();
}

std::string ControlPanel::labelText(Field field) const
{
    return m_texts.at(static_cast<std::size_t>(field));
}

void ControlPanel::showText(Field field, const std::string &text)
{
    m_texts.at(static_cast<std::size_t>(field)) = text;
    page::showText(fieldName(field), text);
}

void ControlPanel::eventHandled()
{
    page::eventHandled();
}

void ControlPanel::endProgram()
{
    unload();
}

} // namespace ponderival::web
