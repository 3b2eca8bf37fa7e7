#pragma once

#include "frmponderivaldescription.h"
#include "memorypanel.h"

#include <array>
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
        return "background 0x" + hex6(background.value);
    }
    [[nodiscard]] static std::string captionEntry(const ponderival::form::ButtonLook &look)
    {
        return captionEntry(look.caption);
    }
    [[nodiscard]] static std::string backgroundEntry(const ponderival::form::ButtonLook &look)
    {
        return backgroundEntry(look.background);
    }

private:
    static std::string name(ponderival::Field field)
    {
        return std::string(ponderival::fieldName(field));
    }
    // Six upper-case hex digits, as the colour is written in the window's description.
    static std::string hex6(std::uint32_t value)
    {
        constexpr std::string_view digits = "0123456789ABCDEF";
        std::string text(6, '0');
        for (auto place = text.rbegin(); place != text.rend(); ++place, value >>= 4U) {
            *place = digits.at(value & 0xFU);
        }
        return text;
    }

    ponderival::MemoryPanel m_state;
    mutable std::vector<std::string> m_log;
};
