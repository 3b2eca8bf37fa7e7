#pragma once

#include <functional>
#include <string_view>
#include <windows.h>

// Runs this thread's messages, and so the hooks that listen on it, until the condition holds or
// the limit passes; returns whether it held.
bool pumpUntil(const std::function<bool()> &condition, DWORD timeout = 60000);

// The real Ponderival.exe, started as a child process as a user's shell starts it, and ended when
// this goes if it has not ended by itself.
class ProgramProcess
{
public:
    // The program file's path on this machine, as the build names it (/...); Wine sees it on Z:.
    explicit ProgramProcess(std::string_view hostPath);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess &) = delete;
    ProgramProcess &operator=(const ProgramProcess &) = delete;
    ProgramProcess(ProgramProcess &&) = delete;
    ProgramProcess &operator=(ProgramProcess &&) = delete;

    [[nodiscard]] DWORD id() const { return m_child.dwProcessId; }
    // Its window once it shows, or nullptr.
    [[nodiscard]] HWND waitForWindow() const;
    // Puts the window in front and waits until its focus is on the control.
    [[nodiscard]] bool bringToFront(HWND window, HWND focus) const;
    // Its exit status once it ended within the limit, STILL_ACTIVE otherwise.
    [[nodiscard]] DWORD waitForExit(DWORD timeout = 30000) const;

private:
    PROCESS_INFORMATION m_child{};
};
