#pragma once

#include "panel.h"

#include <array>
#include <string>

namespace ponderival {

// A panel held in plain memory, with the initial texts and the Idle look: the search without a
// window, for tests, benchmarks and tools.
class MemoryPanel : public Panel
{
public:
    MemoryPanel();

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    [[nodiscard]] bool timerEnabled() const override { return m_timerEnabled; }
    void setTimerEnabled(bool enabled) override { m_timerEnabled = enabled; }
    void setStopCaption(std::string_view caption) override { m_stopCaption = caption; }
    void setStopBackground(Colour background) override { m_stopBackground = background; }
    void unloadWindow() override { m_unloaded = true; }

    [[nodiscard]] const std::string &stopCaption() const { return m_stopCaption; }
    [[nodiscard]] Colour stopBackground() const { return m_stopBackground; }
    [[nodiscard]] bool unloaded() const { return m_unloaded; }

private:
    std::array<std::string, fieldCount> m_texts;
    bool m_timerEnabled = false;
    std::string m_stopCaption;
    Colour m_stopBackground;
    bool m_unloaded = false;
};

} // namespace ponderival
