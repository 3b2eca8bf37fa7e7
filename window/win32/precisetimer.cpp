#include "precisetimer.h"

#include <mmsystem.h>
#include <stdexcept>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace ponderival::win32 {

constexpr UINT finestResolution = 1;
constexpr LONGLONG hundredNanosecondsPerMillisecond = 10000;

PreciseTimer::PreciseTimer()
{
    m_handle = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                      TIMER_ALL_ACCESS);
    m_highResolution = m_handle != nullptr;
    if (!m_highResolution) {
        m_handle = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    if (m_handle == nullptr) {
        throw std::runtime_error("CreateWaitableTimerExW");
    }
}

PreciseTimer::~PreciseTimer()
{
    stop();
    CloseHandle(m_handle);
}

void PreciseTimer::start(std::chrono::milliseconds interval)
{
    // The raised resolution is asked for once per run, so that stop() gives it back exactly once.
    if (!m_running && !m_highResolution) {
        timeBeginPeriod(finestResolution);
    }
    const auto period = static_cast<LONG>(interval.count());
    // A negative due time is relative.
    LARGE_INTEGER dueTime{};
    dueTime.QuadPart = -period * hundredNanosecondsPerMillisecond;
    SetWaitableTimer(m_handle, &dueTime, period, nullptr, nullptr, FALSE);
    m_running = true;
}

void PreciseTimer::stop()
{
    if (!m_running) {
        return;
    }
    CancelWaitableTimer(m_handle);
    if (!m_highResolution) {
        timeEndPeriod(finestResolution);
    }
    m_running = false;
}

} // namespace ponderival::win32
