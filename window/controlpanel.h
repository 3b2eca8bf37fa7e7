#pragma once

#include "panel.h"

#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The search's panel over the window's real controls: the labels' texts are the search's storage,
// Timer1's active flag is the run state and cmdStop shows it.
class ControlPanel final : public ponderival::Panel
{
public:
    ControlPanel(const std::array<QLabel *, ponderival::fieldCount> &fields, QTimer &timer,
                 QPushButton &stopButton);

    [[nodiscard]] std::string text(ponderival::Field field) const override;
    void setText(ponderival::Field field, std::string_view text) override;
    [[nodiscard]] bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(ponderival::Colour background) override;

private:
    [[nodiscard]] QLabel &label(ponderival::Field field) const;

    std::array<QLabel *, ponderival::fieldCount> m_fields;
    QTimer &m_timer;
    QPushButton &m_stopButton;
};
