#pragma once

#include "formcontrols.h"
#include "windowpanel.h"

#include <array>
#include <string>

class QLabel;
class QTimer;

namespace ponderival::qt {

class Announcer;
class ColourButton;

// The search's panel over the Qt window's controls: the labels' texts are the search's storage,
// Timer1's active flag is the run state and cmdStop shows it.
class ControlPanel final : public WindowPanel
{
public:
    ControlPanel(const FormControls &controls, QTimer &timer1, ErrorReporter reporter);

    [[nodiscard]] bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(Colour background) override;

    void setAnnouncer(Announcer *announcer) { m_announcer = announcer; }

private:
    [[nodiscard]] std::string labelText(Field field) const override;
    void showText(Field field, const std::string &text) override;
    void eventHandled() override;
    void endProgram() override;

    std::array<QLabel *, fieldCount> m_fields{};
    QTimer &m_timer1;
    ColourButton &m_stopButton;
    Announcer *m_announcer = nullptr;
};

} // namespace ponderival::qt
