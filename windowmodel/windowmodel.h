#pragma once

#include "eventtable.h"
#include "memorypanel.h"
#include "narrator.h"
#include "panel.h"
#include "windowport.h"

#include <array>
#include <cstdlib>
#include <functional>

namespace ponderival {

// The window as the procedures see it, written once for every window, which lends it a WindowPort.
// A procedure's texts reach the window when it returns: nothing can look at a label in between,
// and a step that adds 2,929 houses costs one label update instead of 2,930.
class WindowModel final : public Panel
{
public:
    using Clock = Narrator::Clock;
    using Now = Clock::time_point (*)();

    // Timer1's period, which a port's timer may also carry while stopped.
    static constexpr std::chrono::milliseconds timer1Period{form::timer1.intervalMilliseconds};

    explicit WindowModel(WindowPort &port, Now now = Clock::now);

    // The entries never throw: no exception may cross a window system's event loop.
    void windowOpened() noexcept;
    void click(form::ControlId control) noexcept;
    // A tick that fell due before the timer was disabled runs nothing.
    void tick() noexcept;
    // Runs a procedure as an event; once the window is going, nothing runs any more.
    void run(const std::function<void(Panel &)> &procedure) noexcept;
    // Closed by the platform (Alt+F4, a window manager): no procedure runs at unload.
    void windowClosed() noexcept;
    // A failure of the window itself, reported as an error of the search is.
    void fail() noexcept;

    [[nodiscard]] bool isOpen() const { return m_state == State::Open; }
    // Settled before a report is shown, so a window closed under the report still ends with 1.
    [[nodiscard]] int exitStatus() const { return m_exitStatus; }

    [[nodiscard]] std::string text(Field field) const override { return m_panel.text(field); }
    void setText(Field field, std::string_view text) override;
    [[nodiscard]] bool timerEnabled() const override { return m_panel.timerEnabled(); }
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(Colour background) override;
    void unloadWindow() override;

private:
    enum class State { Open, Unloading, Reporting, Closed };

    void showTexts();
    void endWithError(const RuntimeError &error) noexcept;
    void closeWindow() noexcept;

    WindowPort &m_port;
    Now m_now;
    MemoryPanel m_panel;
    std::array<bool, fieldCount> m_written{};
    State m_state = State::Open;
    int m_exitStatus = EXIT_SUCCESS;
    Narrator m_narrator;
};

} // namespace ponderival
