#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <windows.h>

// Runs this thread's messages, and so the WinEvent hooks that listen on it, until the condition
// holds or the limit passes, looking again every poll milliseconds; returns whether it held.
bool pumpUntil(const std::function<bool()> &condition, DWORD timeout = 60000, DWORD poll = 10);

// A program file of the build, by its path on this machine (/...), as Wine sees it on Z:.
[[nodiscard]] std::wstring hostProgram(std::string_view hostPath);

// A program started as a user's shell starts it and watched from outside: its window, its exit
// status, its processor time and its peak memory. It is ended when this goes, if it has not ended
// by itself.
class ChildProcess
{
public:
    explicit ChildProcess(const std::wstring &commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ChildProcess(ChildProcess &&) = delete;
    ChildProcess &operator=(ChildProcess &&) = delete;

    [[nodiscard]] DWORD id() const { return m_child.dwProcessId; }
    // Its first visible top-level window, or nullptr if none shows within the limit.
    [[nodiscard]] HWND waitForWindow(DWORD timeout = 60000, DWORD poll = 10) const;
    // Puts the window in front and waits until its focus is on the control.
    [[nodiscard]] bool bringToFront(HWND window, HWND focus) const;
    // Its exit status once it ended within the limit, STILL_ACTIVE otherwise.
    [[nodiscard]] DWORD waitForExit(DWORD timeout = 30000) const;
    // Closes the window as the system would and waits for the exit status.
    [[nodiscard]] DWORD close(HWND window) const;
    [[nodiscard]] double cpuSeconds() const;
    [[nodiscard]] double peakWorkingSetMiB() const;

private:
    PROCESS_INFORMATION m_child{};
};
