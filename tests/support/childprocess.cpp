#include "childprocess.h"

#include "polling.h"

#include <algorithm>
#include <psapi.h>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

BOOL CALLBACK findProcessWindow(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    auto &result = *reinterpret_cast<std::pair<DWORD, HWND> *>(found);
    result.second = process == result.first && IsWindowVisible(window) ? window : nullptr;
    return result.second == nullptr ? TRUE : FALSE;
}

double seconds(const FILETIME &time)
{
    const ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    return static_cast<double>(value.QuadPart) / 1e7;
}

} // namespace

bool pumpUntil(const std::function<bool()> &condition, DWORD timeout, DWORD poll)
{
    return pollUntil(condition, std::chrono::milliseconds(timeout), [poll] {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, poll, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    });
}

std::wstring hostProgram(std::string_view hostPath)
{
    const int size = static_cast<int>(hostPath.size());
    std::wstring path(static_cast<std::size_t>(size), L'\0');
    path.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, hostPath.data(), size, path.data(), size)));
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"\"Z:" + path + L"\"";
}

ChildProcess::ChildProcess(const std::wstring &commandLine)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_child)) {
        throw std::runtime_error("the program did not start");
    }
}

ChildProcess::~ChildProcess()
{
    if (waitForExit(0) == STILL_ACTIVE) {
        TerminateProcess(m_child.hProcess, 99);
        WaitForSingleObject(m_child.hProcess, 30000);
    }
    CloseHandle(m_child.hThread);
    CloseHandle(m_child.hProcess);
}

HWND ChildProcess::waitForWindow(DWORD timeout, DWORD poll) const
{
    std::pair<DWORD, HWND> window{m_child.dwProcessId, nullptr};
    pumpUntil(
        [&] {
            EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&window));
            return window.second != nullptr;
        },
        timeout, poll);
    return window.second;
}

bool ChildProcess::bringToFront(HWND window, HWND focus) const
{
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return pumpUntil([&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
        }
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) != FALSE && info.hwndFocus == focus;
    });
}

DWORD ChildProcess::waitForExit(DWORD timeout) const
{
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(m_child.hProcess, timeout) == WAIT_OBJECT_0) {
        GetExitCodeProcess(m_child.hProcess, &status);
    }
    return status;
}

DWORD ChildProcess::close(HWND window) const
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    return waitForExit(10000);
}

double ChildProcess::cpuSeconds() const
{
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(m_child.hProcess, &created, &exited, &kernel, &user);
    return seconds(kernel) + seconds(user);
}

double ChildProcess::peakWorkingSetMiB() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(m_child.hProcess, &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}
