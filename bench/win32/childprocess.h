#pragma once

#include <string>
#include <windows.h>

// A program started by winbench and watched from outside, as a user's shell would start it: its
// top-level window, its processor time and its peak memory. The program is ended when this object
// goes, if it has not ended by itself.
class ChildProcess
{
public:
    explicit ChildProcess(const std::wstring &commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ChildProcess(ChildProcess &&) = delete;
    ChildProcess &operator=(ChildProcess &&) = delete;

    [[nodiscard]] DWORD id() const { return m_process.dwProcessId; }
    // The program's visible top-level window with this caption, or nullptr if none shows in time.
    [[nodiscard]] HWND waitForWindow(const wchar_t *caption, DWORD timeoutMs) const;
    [[nodiscard]] double cpuSeconds() const;
    [[nodiscard]] double peakWorkingSetMiB() const;
    // Closes the window as the system would and waits for the program's exit status.
    [[nodiscard]] DWORD close(HWND window);

private:
    PROCESS_INFORMATION m_process{};
};
