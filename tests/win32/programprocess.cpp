#include "programprocess.h"

#include "widetext.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

BOOL CALLBACK findProcessWindow(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    auto &result = *reinterpret_cast<std::pair<DWORD, HWND> *>(found);
    result.second = process == result.first && IsWindowVisible(window) ? window : nullptr;
    return result.second == nullptr ? TRUE : FALSE;
}

} // namespace

bool pumpUntil(const std::function<bool()> &condition, DWORD timeout)
{
    const ULONGLONG deadline = GetTickCount64() + timeout;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    return true;
}

ProgramProcess::ProgramProcess(std::string_view hostPath)
{
    std::wstring path = L"Z:" + ponderival::win32::toWide(hostPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_child)) {
        throw std::runtime_error("Ponderival.exe did not start");
    }
}

ProgramProcess::~ProgramProcess()
{
    if (waitForExit(0) == STILL_ACTIVE) {
        TerminateProcess(m_child.hProcess, 99);
        WaitForSingleObject(m_child.hProcess, 30000);
    }
    CloseHandle(m_child.hThread);
    CloseHandle(m_child.hProcess);
}

HWND ProgramProcess::waitForWindow() const
{
    std::pair<DWORD, HWND> window{m_child.dwProcessId, nullptr};
    pumpUntil([&] {
        EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&window));
        return window.second != nullptr;
    });
    return window.second;
}

bool ProgramProcess::bringToFront(HWND window, HWND focus) const
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

DWORD ProgramProcess::waitForExit(DWORD timeout) const
{
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(m_child.hProcess, timeout) == WAIT_OBJECT_0) {
        GetExitCodeProcess(m_child.hProcess, &status);
    }
    return status;
}
