#pragma once

#include "colour.h"
#include "memorypanel.h"

#include <string>
#include <utility>
#include <vector>

// A panel in memory that also writes down every read and write, in order, so tests can check the
// exact sequence a procedure performs on the controls.
class RecordingPanel final : public ponderival::Panel
{
public:
    [[nodiscard]] std::string text(ponderival::Field field) const override
    {
        m_log.push_back("read " + name(field));
        return m_state.text(field);
    }
    void setText(ponderival::Field field, std::string_view text) override
    {
        m_log.push_back("write " + name(field) + " \"" + std::string(text) + '"');
        m_state.setText(field, text);
    }
    [[nodiscard]] bool timerEnabled() const override
    {
        m_log.emplace_back("read Timer1");
        return m_state.timerEnabled();
    }
    void setTimerEnabled(bool enabled) override
    {
        m_log.emplace_back(enabled ? "Timer1 on" : "Timer1 off");
        m_state.setTimerEnabled(enabled);
    }
    void setStopCaption(std::string_view caption) override
    {
        m_log.push_back(captionEntry(caption));
        m_state.setStopCaption(caption);
    }
    void setStopBackground(ponderival::Colour background) override
    {
        m_log.push_back(backgroundEntry(background));
        m_state.setStopBackground(background);
    }

    void unloadWindow() override
    {
        m_log.emplace_back("unload");
        m_state.unloadWindow();
    }

    // The state behind the log, for setting up a scene without recording it.
    [[nodiscard]] ponderival::MemoryPanel &state() { return m_state; }
    [[nodiscard]] std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }

    // The two entries cmdStop taking one of its looks writes, caption first.
    [[nodiscard]] static std::string captionEntry(std::string_view caption)
    {
        return "caption \"" + std::string(caption) + '"';
    }
    [[nodiscard]] static std::string backgroundEntry(ponderival::Colour background)
    {
        return "background " + ponderival::hexText(background);
    }

private:
    static std::string name(ponderival::Field field)
    {
        return std::string(ponderival::fieldName(field));
    }

    ponderival::MemoryPanel m_state;
    mutable std::vector<std::string> m_log;
};
