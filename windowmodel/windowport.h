#pragma once

#include "colour.h"
#include "panel.h"
#include "runtimeerror.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace ponderival {

// One message for a screen reader: what happened, then, where there is one, the caption the run
// was left with ("Somma 15, Numero 6, Case 8", then "Avanti!"), to be heard in that order.
struct Announcement
{
    std::string message;
    std::string followUp;

    // Both in one text, for a window that hands a screen reader one text at a time.
    [[nodiscard]] std::string text() const
    {
        return followUp.empty() ? message : message + ". " + followUp;
    }

    friend bool operator==(const Announcement &, const Announcement &) = default;
};

// Shows the report of an error that nothing handled and returns once the user acknowledged it;
// tests put a recorder in place of the platform's report.
using ErrorReporter = std::function<void(const RuntimeError &)>;

// What a window lends its model: the few things only the platform can do, called in the order the
// procedures wrote. A port may throw; the model reports it.
class WindowPort
{
public:
    WindowPort() = default;
    WindowPort(const WindowPort &) = delete;
    WindowPort &operator=(const WindowPort &) = delete;
    WindowPort(WindowPort &&) = delete;
    WindowPort &operator=(WindowPort &&) = delete;
    virtual ~WindowPort() = default;

    // Shows a field's new text; the unseen fields keep theirs too.
    virtual void showText(Field field, std::string_view text) = 0;
    virtual void setStopCaption(std::string_view caption) = 0;
    virtual void setStopFace(Colour face) = 0;

    // Timer1's ticks: the model starts them only when they are stopped, and stops them only when
    // they run, so a port never restarts a running period.
    virtual void startTicks(std::chrono::milliseconds interval) = 0;
    virtual void stopTicks() = 0;

    // A message to speak now, a seen field's name ("Somma 15") and what cmdStop is described by.
    virtual void say(const Announcement &announcement) = 0;
    virtual void nameField(Field field, std::string_view name) = 0;
    virtual void describeStop(std::string_view description) = 0;

    // Shows the report of an error and returns once the user has acknowledged it.
    virtual void reportError(const RuntimeError &error) = 0;
    // Closes the window; the program then ends with this status.
    virtual void close(int exitStatus) = 0;
};

} // namespace ponderival
