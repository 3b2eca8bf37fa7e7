#pragma once

#include <windows.h>

namespace ponderival::win32 {

// Timer1: a periodic waitable timer that the event loop waits on beside the window's messages.
// Windows' own timer messages come at most 64 times a second, so a 10 ms interval needs this. A
// high-resolution timer (Windows 10 1803 and later) keeps the period by itself; on older systems
// the system timer's resolution is raised to 1 ms, but only while the timer runs.
class PreciseTimer
{
public:
    explicit PreciseTimer(LONG intervalMilliseconds);
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer &) = delete;
    PreciseTimer &operator=(const PreciseTimer &) = delete;
    PreciseTimer(PreciseTimer &&) = delete;
    PreciseTimer &operator=(PreciseTimer &&) = delete;

    // Signalled once per period while enabled; waiting on it takes the signal.
    [[nodiscard]] HANDLE handle() const { return m_handle; }
    [[nodiscard]] bool enabled() const { return m_enabled; }

    // Enabling an enabled timer keeps its period running, as setting the flag twice would.
    void setEnabled(bool enabled);

private:
    HANDLE m_handle = nullptr;
    LONG m_interval;
    bool m_highResolution = false;
    bool m_enabled = false;
};

} // namespace ponderival::win32
