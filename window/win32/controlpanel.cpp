#include "controlpanel.h"

#include "errorreport.h"
#include "frmponderival.h"
#include "widetext.h"

#include <array>

namespace ponderival::win32 {

namespace {

constexpr std::size_t cmdStop = form::indexOf("cmdStop");

// The control of each field, in the order of Field.
constexpr std::array<std::size_t, fieldCount> fieldControls = [] {
    std::array<std::size_t, fieldCount> indices{};
    for (std::size_t field = 0; field < fieldCount; ++field) {
        indices.at(field) = form::controlIndex(fieldNames.at(field)).value();
    }
    return indices;
}();

constexpr std::size_t controlOf(Field field)
{
    return fieldControls.at(static_cast<std::size_t>(field));
}

} // namespace

ControlPanel::ControlPanel(frmPonderival &window, FormControls &controls, PreciseTimer &timer1)
    : WindowPanel([&window](const RuntimeError &error) {
          showRuntimeErrorMessage(window.handle(), error);
      }),
      m_window(window), m_controls(controls), m_timer1(timer1)
{}

std::string ControlPanel::labelText(Field field) const
{
    return toUtf8(windowText(m_controls.handle(controlOf(field))));
}

void ControlPanel::showText(Field field, const std::string &text)
{
    SetWindowTextW(m_controls.handle(controlOf(field)), toWide(text).c_str());
}

bool ControlPanel::timerEnabled() const
{
    return m_timer1.enabled();
}

void ControlPanel::setTimerEnabled(bool enabled)
{
    m_timer1.setEnabled(enabled);
}

void ControlPanel::setStopCaption(std::string_view caption)
{
    const HWND button = m_controls.handle(cmdStop);
    SetWindowTextW(button, toWide(caption).c_str());
    InvalidateRect(button, nullptr, FALSE);
}

void ControlPanel::setStopBackground(Colour background)
{
    m_controls.setFill(cmdStop, background);
}

void ControlPanel::endProgram()
{
    m_window.unload();
}

} // namespace ponderival::win32
