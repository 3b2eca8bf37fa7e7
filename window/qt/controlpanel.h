#pragma once

#include "panel.h"
#include "pendingtexts.h"

#include <array>
#include <string>

class ColourButton;
class QLabel;
class QTimer;

// The search's panel over the window's real controls: the labels' texts are the search's storage,
// Timer1's active flag is the run state and cmdStop shows it.
// Texts written during one event reach the labels when the event's procedure returns
// (commitTexts), as PendingTexts explains.
class ControlPanel final : public ponderival::Panel
{
public:
    ControlPanel(const std::array<QLabel *, ponderival::fieldCount> &fields, QTimer &timer,
                 ColourButton &stopButton);

    [[nodiscard]] std::string text(ponderival::Field field) const override;
    void setText(ponderival::Field field, std::string_view text) override;
    [[nodiscard]] bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(ponderival::Colour background) override;

    // Gives each label the last text written to it since the previous commit.
    void commitTexts();

private:
    [[nodiscard]] QLabel &label(ponderival::Field field) const;

    std::array<QLabel *, ponderival::fieldCount> m_fields;
    ponderival::PendingTexts m_pendingTexts;
    QTimer &m_timer;
    ColourButton &m_stopButton;
};
