#include "childprocess.h"
#include "formprobe.h"
#include "frmponderivaldescription.h"
#include "tickleg.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>
#include <windows.h>

// Times a Windows program from outside, as run_benchmarks.py runs it under Wine, and prints
// "name=value" lines. With --form the program is Ponderival: start-up lasts until its coloured
// controls show, and the tick leg starts where the third solution leaves the search, reached as a
// user reaches it, by pressing cmdStop and waiting for each halt; only the leg is timed.
//
//   winbench startup [--form] PROGRAM [ARG]  start-up to the first paint; peak memory
//   winbench ticks [--form] PROGRAM [ARG]    tick rate and processor time over the tick leg
//   winbench events --form PROGRAM           accessibility events a second during the leg, as an
//                                            out-of-context WinEvent listener hears them
namespace {

namespace form = ponderival::form;

constexpr DWORD patienceMs = 60000;

class Stopwatch
{
public:
    Stopwatch() { QueryPerformanceCounter(&m_start); }
    [[nodiscard]] double seconds() const
    {
        LARGE_INTEGER now{};
        LARGE_INTEGER frequency{};
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start{};
};

void print(const char *name, double value)
{
    std::printf("%s=%.6f\n", name, value);
    std::fflush(stdout);
}

bool painted(const FormProbe &probe, bool isForm)
{
    if (!probe.showsFace()) {
        return false;
    }
    for (const form::Control &control : form::controls) {
        if (isForm && control.visible && control.fill == form::Fill::Colour &&
            !probe.showsOwnColour(control)) {
            return false;
        }
    }
    return true;
}

// Looks every millisecond, so that what is timed ends within one.
void waitFor(const std::function<bool()> &condition, const char *what)
{
    if (!pumpUntil(condition, patienceMs, 1)) {
        throw std::runtime_error(what);
    }
}

HWND openWindow(const ChildProcess &child, bool isForm)
{
    HWND window = child.waitForWindow(patienceMs, 1);
    if (window == nullptr) {
        throw std::runtime_error("no window showed");
    }
    const FormProbe probe(window);
    waitFor([&] { return painted(probe, isForm); }, "the window was never painted");
    return window;
}

void startup(const std::wstring &commandLine, bool isForm)
{
    const Stopwatch clock;
    ChildProcess child(commandLine);
    HWND window = openWindow(child, isForm);
    print("first_paint_ms", clock.seconds() * 1000.0);
    print("peak_working_set_mib", child.peakWorkingSetMiB());
    print("exit_status", child.close(window));
}

// The first three runs, each started by cmdStop and waited for until it halts at its answer.
void runToThirdAnswer(const FormProbe &probe)
{
    HWND street = probe.control("lblCase");
    for (const int length : tickleg::streetsBefore) {
        probe.click("cmdStop");
        waitFor([&] { return FormProbe::text(street) == std::to_wstring(length); },
                "a run never halted");
    }
}

void ticks(const std::wstring &commandLine, bool isForm)
{
    ChildProcess child(commandLine);
    HWND window = openWindow(child, isForm);
    const FormProbe probe(window);
    // The click comes once the window is on screen and settled, as a user's would.
    Sleep(500);
    if (isForm) {
        runToThirdAnswer(probe);
    }
    HWND house = probe.control("lblCivico");
    const std::wstring lastHouse = std::to_wstring(tickleg::lastN + 1);
    const double cpuAtStart = child.cpuSeconds();
    const Stopwatch clock;
    probe.click("cmdStop");
    waitFor([&] { return FormProbe::text(house) == lastHouse; }, "the leg never ended");
    const double seconds = clock.seconds();
    print("ticks", tickleg::ticks);
    print("tick_rate_percent", tickleg::ticks / seconds);
    print("cpu_percent", 100.0 * (child.cpuSeconds() - cpuAtStart) / seconds);
    print("exit_status", child.close(window));
}

// The hook's procedure has nowhere else to put what it hears: each event's time.
std::vector<DWORD> heard;

void CALLBACK onEvent(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND /*control*/, LONG /*object*/,
                      LONG /*child*/, DWORD /*thread*/, DWORD time)
{
    heard.push_back(time);
}

// Every event of the program for eight seconds of the leg, from half a second after its start,
// as the Qt window's figure is taken.
void events(const std::wstring &commandLine)
{
    constexpr DWORD leadMs = 500;
    constexpr DWORD windowMs = 8000;
    ChildProcess child(commandLine);
    HWND window = openWindow(child, true);
    const std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, decltype(&UnhookWinEvent)> hook(
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, onEvent, child.id(), 0,
                        WINEVENT_OUTOFCONTEXT),
        UnhookWinEvent);
    if (!hook) {
        throw std::runtime_error("no WinEvent hook");
    }
    const FormProbe probe(window);
    runToThirdAnswer(probe);
    const DWORD start = GetTickCount();
    probe.click("cmdStop");
    waitFor([&] { return GetTickCount() - start >= leadMs + windowMs; }, "the clock stopped");
    const auto inWindow = std::count_if(heard.begin(), heard.end(), [&](DWORD time) {
        return time - start >= leadMs && time - start < leadMs + windowMs;
    });
    print("events_per_second", static_cast<double>(inWindow) * 1000.0 / windowMs);
    print("exit_status", child.close(window));
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    int next = 2;
    const bool isForm = argc > next && std::wstring_view(argv[next]) == L"--form";
    next += isForm ? 1 : 0;
    if (argc <= next) {
        std::fputs("usage: winbench startup|ticks|events [--form] PROGRAM [ARG]\n", stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[next]) + L"\"";
    for (int i = next + 1; i < argc; ++i) {
        commandLine += L" " + std::wstring(argv[i]);
    }
    const std::wstring_view mode(argv[1]);
    try {
        if (mode == L"startup") {
            startup(commandLine, isForm);
        } else if (mode == L"events") {
            events(commandLine);
        } else {
            ticks(commandLine, isForm);
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "winbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
