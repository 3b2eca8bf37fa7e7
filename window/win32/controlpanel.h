#pragma once

#include "formcontrols.h"
#include "precisetimer.h"
#include "windowpanel.h"

#include <string>
#include <string_view>

namespace ponderival::win32 {

class frmPonderival;

// The search's panel over the window's real controls: the labels' texts are the search's storage,
// Timer1's enabled flag is the run state and cmdStop shows it. An error that reaches an event is
// reported in a message box over the window, which then unloads.
class ControlPanel final : public WindowPanel
{
public:
    ControlPanel(frmPonderival &window, FormControls &controls, PreciseTimer &timer1);

    [[nodiscard]] bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(Colour background) override;

private:
    [[nodiscard]] std::string labelText(Field field) const override;
    void showText(Field field, const std::string &text) override;
    void endProgram() override;

    frmPonderival &m_window;
    FormControls &m_controls;
    PreciseTimer &m_timer1;
};

} // namespace ponderival::win32
