#include "windowmodel.h"

#include <exception>
#include <optional>
#include <utility>

namespace ponderival {

WindowModel::WindowModel(WindowPort &port, Now now) : m_port(port), m_now(now), m_narrator(m_panel)
{}

void WindowModel::windowOpened() noexcept
{
    try {
        m_narrator.nameSeenFields(m_port);
    } catch (...) {
        fail();
    }
}

void WindowModel::click(form::ControlId control) noexcept
{
    if (const Procedure procedure = clickProcedure(control)) {
        run(procedure);
    }
}

void WindowModel::tick() noexcept
{
    if (timerEnabled()) {
        run(tickProcedure);
    }
}

void WindowModel::run(const std::function<void(Panel &)> &procedure) noexcept
{
    if (m_state != State::Open) {
        return;
    }
    std::optional<RuntimeError> failure;
    try {
        procedure(*this);
    } catch (const RuntimeError &error) {
        failure = error;
    } catch (...) {
        failure = RuntimeError::internal();
    }
    try {
        // A failed step keeps what it wrote before failing, and the report shows it behind.
        showTexts();
        if (!failure && m_state == State::Unloading) {
            closeWindow();
        } else if (!failure) {
            m_narrator.eventHandled(*this, m_panel.stopCaption(), m_port, m_now());
        }
    } catch (...) {
        failure = RuntimeError::internal();
    }
    if (failure) {
        endWithError(*failure);
    }
}

void WindowModel::windowClosed() noexcept
{
    if (m_state == State::Closed) {
        return;
    }
    m_state = State::Closed;
    try {
        setTimerEnabled(false);
    } catch (...) {
        // The window and its timer are going anyway.
    }
}

void WindowModel::fail() noexcept
{
    if (m_state == State::Open) {
        endWithError(RuntimeError::internal());
    }
}

void WindowModel::setText(Field field, std::string_view text)
{
    m_panel.setText(field, text);
    m_written.at(static_cast<std::size_t>(field)) = true;
}

void WindowModel::setTimerEnabled(bool enabled)
{
    // Enabling an enabled timer keeps its period, as setting the flag twice would.
    if (enabled == timerEnabled()) {
        return;
    }
    m_panel.setTimerEnabled(enabled);
    if (enabled) {
        m_port.startTicks(timer1Period);
    } else {
        m_port.stopTicks();
    }
}

void WindowModel::setStopCaption(std::string_view caption)
{
    m_panel.setStopCaption(caption);
    m_port.setStopCaption(caption);
}

void WindowModel::setStopBackground(Colour background)
{
    m_panel.setStopBackground(background);
    m_port.setStopFace(background);
}

void WindowModel::unloadWindow()
{
    m_state = State::Unloading;
    setTimerEnabled(false);
}

// Each field written since the last event gets its last text, once, in the fields' order.
void WindowModel::showTexts()
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        if (std::exchange(m_written.at(index), false)) {
            m_port.showText(static_cast<Field>(index), m_panel.text(static_cast<Field>(index)));
        }
    }
}

// Timer1 stops before anything else, so there is exactly one report with no step running behind
// it; then the window closes with status 1, whether or not the report could be shown.
void WindowModel::endWithError(const RuntimeError &error) noexcept
{
    m_exitStatus = EXIT_FAILURE;
    m_state = State::Reporting;
    try {
        setTimerEnabled(false);
        m_port.reportError(error);
    } catch (...) {
        // Nothing more can be told: the program still ends with the error's status.
    }
    closeWindow();
}

void WindowModel::closeWindow() noexcept
{
    m_state = State::Closed;
    try {
        m_port.close(m_exitStatus);
    } catch (...) {
        std::_Exit(m_exitStatus == EXIT_SUCCESS ? EXIT_FAILURE : m_exitStatus);
    }
}

} // namespace ponderival
