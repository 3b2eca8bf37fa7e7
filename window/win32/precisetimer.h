#pragma once

#include <chrono>
#include <windows.h>

namespace ponderival::win32 {

// Timer1's ticks: a periodic waitable timer that the event loop waits on beside the window's
// messages. Windows' own timer messages come at most 64 times a second, so a 10 ms interval needs
// this. A high-resolution timer (Windows 10 1803 and later) keeps the period by itself; on older
// systems the system timer's resolution is raised to 1 ms, but only while the timer runs.
class PreciseTimer
{
public:
    PreciseTimer();
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer &) = delete;
    PreciseTimer &operator=(const PreciseTimer &) = delete;
    PreciseTimer(PreciseTimer &&) = delete;
    PreciseTimer &operator=(PreciseTimer &&) = delete;

    // Signalled once per period while running; waiting on it takes the signal.
    [[nodiscard]] HANDLE handle() const { return m_handle; }
    [[nodiscard]] bool running() const { return m_running; }

    // The first tick comes one interval from now.
    void start(std::chrono::milliseconds interval);
    void stop();

private:
    HANDLE m_handle = nullptr;
    bool m_highResolution = false;
    bool m_running = false;
};

} // namespace ponderival::win32
