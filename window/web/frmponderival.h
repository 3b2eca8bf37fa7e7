#pragma once

#include "windowmodel.h"
#include "windowport.h"

// The page's side of the window's model: the procedures run in the module, the elements, Timer1
// and the end of the program belong to the page's script (ponderival.js), which calls these.
extern "C" {
// A click on the control at this place of the window's description.
void ponderivalClick(int control) noexcept;
void ponderivalTick() noexcept;
}

namespace ponderival::web {

class frmPonderival final : private WindowPort
{
public:
    [[nodiscard]] WindowModel &model() { return m_model; }

private:
    void showText(Field field, std::string_view text) override;
    void setStopCaption(std::string_view caption) override;
    void setStopFace(Colour face) override;
    void startTicks(std::chrono::milliseconds interval) override;
    void stopTicks() override;
    void say(const Announcement &announcement) override;
    void nameField(Field field, std::string_view name) override;
    void describeStop(std::string_view description) override;
    void reportError(const RuntimeError &error) override;
    void close(int exitStatus) override;

    WindowModel m_model{*this};
};

// The window lives as long as the page: there is one, made when the page first uses it.
[[nodiscard]] frmPonderival &window();

// The platform draws a button's focus rectangle by inverting every other pixel of the face; the
// page draws it dotted in the inverted colour, in its style sheet and on cmdStop's every new face.
[[nodiscard]] constexpr Colour focusColour(Colour face)
{
    return Colour{face.value ^ 0xFFFFFFU};
}

} // namespace ponderival::web
