#include "childprocess.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "narrator.h"
#include "widetext.h"
#include "windowdriver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <oleacc.h>
#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>
#include <windows.h>

// The real Ponderival.exe heard from another process, as a Windows screen reader hears it:
// WinEvents hooked out of context, and each event's object read back through Active Accessibility
// when the event arrives.

namespace {

namespace form = ponderival::form;
using ponderival::Field;
using ponderival::win32::controlId;

constexpr DWORD liveRegionChanged = 0x8019;

struct Heard
{
    DWORD event;
    HWND control;
    DWORD time;
    std::string name;
};

// The hook's procedure has nowhere else to put what it hears.
std::vector<Heard> heard;

std::string accessibleName(HWND control, LONG object, LONG child)
{
    IAccessible *accessible = nullptr;
    VARIANT item{};
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(control, static_cast<DWORD>(object),
                                            static_cast<DWORD>(child), &accessible, &item))) {
        BSTR text = nullptr;
        if (accessible->get_accName(item, &text) == S_OK && text != nullptr) {
            name = ponderival::win32::toUtf8(text);
            SysFreeString(text);
        }
        VariantClear(&item);
        accessible->Release();
    }
    return name;
}

// Reading the object waits on the program, and meanwhile the next events come in, each inside the
// last one's call: an event takes its place as it arrives, and its name once it has been read.
void CALLBACK onEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND control, LONG object, LONG child,
                      DWORD /*thread*/, DWORD time)
{
    const std::size_t index = heard.size();
    heard.push_back({event, control, time, {}});
    std::string name = accessibleName(control, object, child);
    heard.at(index).name = std::move(name);
}

// Every WinEvent of the process, heard out of context until the hook goes.
using EventHook = std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, decltype(&UnhookWinEvent)>;

EventHook hookEvents(DWORD process)
{
    return {
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, onEvent, process, 0, WINEVENT_OUTOFCONTEXT),
        UnhookWinEvent};
}

std::vector<std::string> liveTexts(std::size_t from)
{
    std::vector<std::string> texts;
    for (const Heard &each : std::span(heard).subspan(from)) {
        if (each.event == liveRegionChanged) {
            texts.push_back(each.name);
        }
    }
    return texts;
}

// Which control an event came from, by its described name or as one of the status controls.
std::string sourceOf(HWND window, HWND control)
{
    const int id = GetParent(control) == window ? GetDlgCtrlID(control) : 0;
    if (const auto described = ponderival::win32::controlOf(id)) {
        return std::string(described->control().name);
    }
    return id >= ponderival::win32::firstOwnId ? "status" : "window";
}

std::string eventName(DWORD event)
{
    const std::map<DWORD, std::string> names{
        {liveRegionChanged, "live region changed"},
        {EVENT_OBJECT_NAMECHANGE, "name change"},
        {EVENT_OBJECT_DESCRIPTIONCHANGE, "description change"}};
    const auto known = names.find(event);
    return known != names.end() ? known->second : std::to_string(event);
}

void print(HWND window, std::size_t from, std::size_t to)
{
    for (std::size_t index = from; index < to; ++index) {
        const Heard &each = heard.at(index);
        std::printf("  %+5ld ms  %-19s %-9s \"%s\"\n",
                    static_cast<long>(each.time - heard.at(from).time),
                    eventName(each.event).c_str(), sourceOf(window, each.control).c_str(),
                    each.name.c_str());
    }
}

struct Answer
{
    std::string spoken;
    std::array<std::string, 3> values;
};

const std::vector<Answer> firstAnswers{
    {"Somma 15, Numero 6, Case 8", {"15", "6", "8"}},
    {"Somma 595, Numero 35, Case 49", {"595", "35", "49"}},
    {"Somma 20706, Numero 204, Case 288", {"20706", "204", "288"}}};

// At the answer each seen field is named anew: its value, with its heading where Windows takes
// the window's annotations (Wine has none, and names a label by its text).
void expectNamedAtAnswer(HWND window, std::size_t from, const Answer &answer)
{
    for (std::size_t index = 0; index < ponderival::seenFields.size(); ++index) {
        const Field field = ponderival::seenFields.at(index);
        const HWND control = GetDlgItem(window, controlId(ponderival::fieldControl(field)));
        std::string last = "<never named>";
        for (const Heard &each : std::span(heard).subspan(from)) {
            if (each.event == EVENT_OBJECT_NAMECHANGE && each.control == control) {
                last = each.name;
            }
        }
        const std::string &value = answer.values.at(index);
        EXPECT_TRUE(last == value || last == ponderival::spokenName(field, value))
            << ponderival::fieldName(field) << " last named \"" << last << '"';
    }
}

} // namespace

// Three runs started with Space, each to its answer: what a listener hears, from which controls,
// and how often.
TEST(ScreenReader, HearsEachRunAndItsAnswerAtAPaceAndNeverAnUnseenField)
{
    // COM for reading the objects, for as long as the test program runs.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    heard.clear();
    ChildProcess program(hostProgram(PONDERIVAL_EXECUTABLE));
    const EventHook hook = hookEvents(program.id());
    ASSERT_TRUE(hook);
    const HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(program.bringToFront(window, GetDlgItem(window, controlId(form::cmdStop))));

    const std::string running(form::stopRunningLook.caption);
    const std::string idle(form::stopIdleLook.caption);
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (const Answer &answer : firstAnswers) {
        const std::size_t from = heard.size();
        WindowDriver::pressKey(VK_SPACE);
        ASSERT_TRUE(pumpUntil([&] { return liveTexts(from).size() >= 2; }))
            << "run to " << answer.spoken << " never heard to its end";
        // The answer and the caption it leaves are one change of one live region, in that order.
        EXPECT_EQ(liveTexts(from),
                  (std::vector<std::string>{running, answer.spoken + ". " + idle}));
        expectNamedAtAnswer(window, from, answer);
        runs.emplace_back(from, heard.size());
    }
    std::printf("The run to the second answer, as heard:\n");
    print(window, runs.at(1).first, runs.at(1).second);

    // Between the third run's start and its answer, every event of the program against the time it
    // was raised: at most about ten a second (10.5, as the Qt window's figure is held to).
    const auto live = [](const Heard &each) {
        return each.event == liveRegionChanged;
    };
    const auto third = std::span(heard).subspan(runs.at(2).first);
    const auto start = std::find_if(third.begin(), third.end(), live);
    const auto answer = std::find_if(start + 1, third.end(), live);
    const double seconds = (answer->time - start->time) / 1000.0;
    const double rate = static_cast<double>(answer - start - 1) / seconds;
    std::printf("Third run: %td events in %.2f s while running, %.1f a second\n",
                answer - start - 1, seconds, rate);
    EXPECT_LE(rate, 10.5);

    EXPECT_EQ(liveTexts(0).size(), 2 * firstAnswers.size()) << "nothing else said";
    // Once the window is up, every event comes from a control that speaks: never from an unseen
    // field. No event's object, from the window's making on, has an unseen field's name.
    const std::set<std::string> speakers{"status",  "lblTot",  "lblCivico",
                                         "lblCase", "cmdStop", "window"};
    for (const Heard &each : std::span(heard).subspan(runs.front().first)) {
        const std::string source = sourceOf(window, each.control);
        EXPECT_TRUE(speakers.contains(source)) << eventName(each.event) << " from " << source;
    }
    for (const std::string_view unseen : {"lblN", "lblTot2"}) {
        const std::string name(form::findControl(unseen)->accessibleName);
        for (const Heard &each : heard) {
            EXPECT_EQ(each.name.find(name), std::string::npos) << each.name;
        }
    }
    // The window is named as it opens: after the puzzle where Windows takes annotations (Wine
    // takes none and reads its caption).
    EXPECT_TRUE(std::any_of(heard.begin(), heard.end(), [&](const Heard &each) {
        return each.event == EVENT_OBJECT_NAMECHANGE && each.control == window;
    }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0U);
}
