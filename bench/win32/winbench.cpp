#include "childprocess.h"
#include "formprobe.h"
#include "frmponderivaldescription.h"
#include "tickleg.h"

#include <cstdio>
#include <cwchar>
#include <exception>
#include <stdexcept>
#include <string>
#include <windows.h>

// Times a Windows program from outside, as run_benchmarks.py runs it under Wine, and prints
// "name=value" lines. With --form the program is Ponderival: start-up lasts until its coloured
// controls show, and the tick leg starts from the panel as the third solution leaves it.
//
//   winbench startup [--form] PROGRAM [ARG]  start-up to the first paint; peak memory
//   winbench ticks [--form] PROGRAM [ARG]    tick rate and processor time over the tick leg
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

template <typename Condition> void waitFor(Condition condition, const char *what)
{
    const ULONGLONG deadline = GetTickCount64() + patienceMs;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            throw std::runtime_error(what);
        }
        Sleep(1);
    }
}

HWND openWindow(const ChildProcess &child, bool isForm)
{
    HWND window = child.waitForWindow(L"Form1", patienceMs);
    if (window == nullptr) {
        throw std::runtime_error("no window \"Form1\" showed");
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

// The panel as the step before house 204 leaves it, written into the labels that hold it.
void placeAfterThirdSolution(const FormProbe &probe)
{
    probe.setText("lblN", std::to_wstring(tickleg::firstN));
    probe.setText("lblTot", std::to_wstring(tickleg::sumUpTo(tickleg::firstN)));
    probe.setText("lblCivico", std::to_wstring(tickleg::firstN + 1));
    probe.setText("lblCase", L"288");
}

void ticks(const std::wstring &commandLine, bool isForm)
{
    ChildProcess child(commandLine);
    HWND window = openWindow(child, isForm);
    const FormProbe probe(window);
    // The click comes once the window is on screen and settled, as a user's would.
    Sleep(500);
    if (isForm) {
        placeAfterThirdSolution(probe);
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

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    int next = 2;
    const bool isForm = argc > next && std::wstring_view(argv[next]) == L"--form";
    next += isForm ? 1 : 0;
    if (argc <= next) {
        std::fputs("usage: winbench startup|ticks [--form] PROGRAM [ARG]\n", stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[next]) + L"\"";
    for (int i = next + 1; i < argc; ++i) {
        commandLine += L" " + std::wstring(argv[i]);
    }
    try {
        if (std::wstring_view(argv[1]) == L"startup") {
            startup(commandLine, isForm);
        } else {
            ticks(commandLine, isForm);
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "winbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
