#include "precisetimer.h"

#include <mmsystem.h>
#include <stdexcept>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace ponderival::win32 {

namespace {

constexpr UINT finestResolution = 1;
constexpr LONGLONG hundredNanosecondsPerMillisecond = 10000;

} // namespace

PreciseTimer::PreciseTimer(LONG intervalMilliseconds) : m_interval(intervalMilliseconds)
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
    setEnabled(false);
    CloseHandle(m_handle);
}

void PreciseTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    if (enabled) {
        if (!m_highResolution) {
            timeBeginPeriod(finestResolution);
        }
        // A negative due time is relative: the first tick comes one interval from now.
        LARGE_INTEGER dueTime{};
        dueTime.QuadPart = -m_interval * hundredNanosecondsPerMillisecond;
        SetWaitableTimer(m_handle, &dueTime, m_interval, nullptr, nullptr, FALSE);
    } else {
        CancelWaitableTimer(m_handle);
        if (!m_highResolution) {
            timeEndPeriod(finestResolution);
        }
    }
    m_enabled = enabled;
}

} // namespace ponderival::win32
