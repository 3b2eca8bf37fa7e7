#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"
#include "panel.h"

#include <string_view>

namespace ponderival {

// The run state lives in Timer1's enabled flag; cmdStop's caption and background only mirror it.
enum class RunState { Idle, Running };

struct RunLook
{
    bool timerEnabled;
    std::string_view caption;
    Colour background;
};

inline constexpr RunLook idleLook{false, form::stopIdleLook.caption, form::stopIdleLook.background};
inline constexpr RunLook runningLook{true, form::stopRunningLook.caption,
                                     form::stopRunningLook.background};

[[nodiscard]] constexpr const RunLook &runLook(RunState state)
{
    return state == RunState::Running ? runningLook : idleLook;
}

// Sets the flag first, then the caption, then the background, whatever the state was before.
void enterRunState(Panel &panel, RunState state);

} // namespace ponderival
