#pragma once

#include "windowpanel.h"

#include <array>
#include <string>

namespace ponderival::web {

// The search's panel over the page. The page's script owns the elements and Timer1; the panel keeps
// the texts it last showed, so that a step reads its fields without a trip to the page.
class ControlPanel final : public WindowPanel
{
public:
    ControlPanel();

    [[nodiscard]] bool timerEnabled() const override { return m_timerEnabled; }
    void setTimerEnabled(bool enabled) override;
    void setStopCaption(std::string_view caption) override;
    void setStopBackground(Colour background) override;

    // Unloads the window, as cmdEsc does: Timer1 stops with it and no event runs afterwards.
    void unload() noexcept;
    [[nodiscard]] bool unloaded() const { return m_unloaded; }

private:
    [[nodiscard]] std::string labelText(Field field) const override;
    void showText(Field field, const std::string &text) override;
    void eventHandled() override;
    void endProgram() override;

    std::array<std::string, fieldCount> m_texts;
    bool m_timerEnabled = false;
    bool m_unloaded = false;
};

} // namespace ponderival::web
