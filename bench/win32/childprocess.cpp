#include "childprocess.h"

#include <psapi.h>
#include <stdexcept>
#include <vector>

namespace {

struct WindowSearch
{
    DWORD processId;
    const wchar_t *caption;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam)
{
    auto &search = *reinterpret_cast<WindowSearch *>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (owner == search.processId && IsWindowVisible(window) &&
        std::wstring_view(caption) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

double seconds(const FILETIME &time)
{
    const ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    return static_cast<double>(value.QuadPart) / 1e7;
}

} // namespace

ChildProcess::ChildProcess(const std::wstring &commandLine)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(STARTUPINFOW);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process)) {
        throw std::runtime_error("the program did not start");
    }
}

ChildProcess::~ChildProcess()
{
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 3);
        WaitForSingleObject(m_process.hProcess, INFINITE);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND ChildProcess::waitForWindow(const wchar_t *caption, DWORD timeoutMs) const
{
    WaitForInputIdle(m_process.hProcess, timeoutMs);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    WindowSearch search{m_process.dwProcessId, caption, nullptr};
    for (;;) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount64() > deadline) {
            return search.found;
        }
        Sleep(1);
    }
}

double ChildProcess::cpuSeconds() const
{
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(m_process.hProcess, &created, &exited, &kernel, &user);
    return seconds(kernel) + seconds(user);
}

double ChildProcess::peakWorkingSetMiB() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(PROCESS_MEMORY_COUNTERS);
    GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

DWORD ChildProcess::close(HWND window)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(m_process.hProcess, 10000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(m_process.hProcess, &status);
    }
    return status;
}
