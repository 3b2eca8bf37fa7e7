#include "recordingpanel.h"
#include "rowname.h"
#include "runcontrol.h"
#include "runstate.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Starting and halting the search: the exact order of the writes, and what each transition
// leaves of the last solution.

using namespace ponderival;

namespace {

using rowname::PrintTo;

using Log = std::vector<std::string>;

struct TransitionRow
{
    std::string_view name;
    bool running;
    Log expected;
    std::string_view streetAfter;
};

class Transition : public testing::TestWithParam<TransitionRow>
{
};

TEST_P(Transition, WritesInOrder)
{
    const TransitionRow &row = GetParam();
    RecordingPanel panel;
    panel.state().setTimerEnabled(row.running);
    panel.state().setText(Field::lblCase, "8");
    cmdStop_Click(panel);
    EXPECT_EQ(panel.takeLog(), row.expected);
    EXPECT_EQ(panel.state().text(Field::lblCase), row.streetAfter);
    EXPECT_EQ(panel.state().timerEnabled(), !row.running);
}

INSTANTIATE_TEST_SUITE_P(
    cmdStop, Transition,
    testing::Values(TransitionRow{"Idle_to_Running_empties_Case",
                                  false,
                                  {"read Timer1", "Timer1 on", R"(caption "Stop!")",
                                   "background 0xC0C0FF", R"(write lblCase "")"},
                                  ""},
                    TransitionRow{"Running_to_Idle_leaves_Case",
                                  true,
                                  {"read Timer1", "Timer1 off", R"(caption "Avanti!")",
                                   "background 0xC0FFC0"},
                                  "8"}),
    RowName{});

struct RunStateRow
{
    std::string_view name;
    RunState state;
    Log expected;
};

class EnterRunState : public testing::TestWithParam<RunStateRow>
{
};

TEST_P(EnterRunState, WritesAllThreeWhateverTheStateBefore)
{
    const RunStateRow &row = GetParam();
    // Entering the state the panel is already in still sets all three, in the same order.
    for (const bool before : {false, true}) {
        RecordingPanel panel;
        panel.state().setTimerEnabled(before);
        enterRunState(panel, row.state);
        EXPECT_EQ(panel.takeLog(), row.expected) << "timer enabled before: " << before;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothStates, EnterRunState,
    testing::Values(RunStateRow{"Idle",
                                RunState::Idle,
                                {"Timer1 off", R"(caption "Avanti!")", "background 0xC0FFC0"}},
                    RunStateRow{"Running",
                                RunState::Running,
                                {"Timer1 on", R"(caption "Stop!")", "background 0xC0C0FF"}}),
    RowName{});

TEST(Timer1, TickRunsOneStep)
{
    RecordingPanel byTick;
    RecordingPanel byClick;
    searchfixtures::placeBefore(byTick.state(), 33);
    searchfixtures::placeBefore(byClick.state(), 33);
    Timer1_Timer(byTick);
    cmdAvanti_Click(byClick);
    const Log log = byTick.takeLog();
    EXPECT_EQ(log, byClick.takeLog());
    EXPECT_NE(std::find(log.begin(), log.end(), R"(write lblCase "49")"), log.end());
}

struct LookRow
{
    std::string_view name;
    const RunLook *look;
    int red, green, blue;
};

class LookColour : public testing::TestWithParam<LookRow>
{
};

// The low byte is red: light red and light green, not light blue.
TEST_P(LookColour, HasRedInTheLowByte)
{
    const LookRow &row = GetParam();
    EXPECT_EQ(row.look->background.red(), row.red);
    EXPECT_EQ(row.look->background.green(), row.green);
    EXPECT_EQ(row.look->background.blue(), row.blue);
}

INSTANTIATE_TEST_SUITE_P(BothStates, LookColour,
                         testing::Values(LookRow{"Running_light_red", &runningLook, 0xFF, 0xC0,
                                                 0xC0},
                                         LookRow{"Idle_light_green", &idleLook, 0xC0, 0xFF, 0xC0}),
                         RowName{});

} // namespace
