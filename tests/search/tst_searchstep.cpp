#include "frmponderivaldescription.h"
#include "memorypanel.h"
#include "recordingpanel.h"
#include "rowname.h"
#include "runcontrol.h"
#include "runstate.h"
#include "runtimeerror.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The search step on a panel in memory: its exact reads and writes, the first steps, the long
// streets and the overflow that ends the search.

using namespace ponderival;
using namespace searchfixtures;

namespace {

using form::stopIdleLook;
using form::stopRunningLook;
using rowname::PrintTo;

using Log = std::vector<std::string>;

struct FirstStepRow
{
    std::string_view name;
    int steps;
    std::string_view n, candidate, total, lastSum, street;
    bool running;
};

using FirstSteps = testing::TestWithParam<FirstStepRow>;

TEST_P(FirstSteps, LeaveTheirTextsAndRunState)
{
    const FirstStepRow &row = GetParam();
    MemoryPanel panel;
    cmdStop_Click(panel);
    for (int step = 0; step < row.steps; ++step) {
        Timer1_Timer(panel);
    }
    EXPECT_EQ(panel.text(Field::lblN), row.n);
    EXPECT_EQ(panel.text(Field::lblCivico), row.candidate);
    EXPECT_EQ(panel.text(Field::lblTot), row.total);
    EXPECT_EQ(panel.text(Field::lblTot2), row.lastSum);
    EXPECT_EQ(panel.text(Field::lblCase), row.street);
    EXPECT_EQ(panel.timerEnabled(), row.running);
    const form::ButtonLook &look = row.running ? stopRunningLook : stopIdleLook;
    EXPECT_EQ(panel.stopCaption(), look.caption);
    EXPECT_EQ(panel.stopBackground(), look.background);
}

INSTANTIATE_TEST_SUITE_P(
    FromStart, FirstSteps,
    testing::Values(FirstStepRow{"step_1_4_passes_3", 1, "2", "3", "3", "4", "", true},
                    FirstStepRow{"step_2_11_passes_6", 2, "3", "4", "6", "11", "", true},
                    FirstStepRow{"step_3_13_passes_10", 3, "4", "5", "10", "13", "", true},
                    FirstStepRow{"step_4_15_equals_15", 4, "5", "6", "15", "15", "8", false}),
    RowName{});

// From the opening state, Idle: a step neither reads nor changes the run state.
TEST(SearchStep, OrdinaryStepWritesInOrder)
{
    RecordingPanel panel;
    cmdAvanti_Click(panel);
    const Log expected{
        R"(write lblTot2 "")", "read lblN",           R"(write lblN "2")",
        "read lblN",           R"(write lblN "2")",   R"(write lblCivico "3")",
        "read lblTot",         R"(write lblTot "3")", R"(write lblTot2 "4")",
    };
    EXPECT_EQ(panel.takeLog(), expected);
}

TEST(SearchStep, SolutionStepWritesInOrderAndHalts)
{
    RecordingPanel panel;
    enterRunState(panel.state(), RunState::Running);
    placeBefore(panel.state(), 4);
    cmdAvanti_Click(panel);
    const Log expected{
        R"(write lblTot2 "")",
        "read lblN",
        R"(write lblN "5")",
        "read lblN",
        R"(write lblN "5")",
        R"(write lblCivico "6")",
        "read lblTot",
        R"(write lblTot "15")",
        R"(write lblTot2 "7")",
        R"(write lblTot2 "15")",
        R"(write lblCase "8")",
        R"(write lblTot2 "15")",
        "Timer1 off",
        RecordingPanel::captionEntry(stopIdleLook.caption),
        RecordingPanel::backgroundEntry(stopIdleLook.background),
    };
    EXPECT_EQ(panel.takeLog(), expected);
}

TEST(SearchStep, IgnoresTheRunState)
{
    MemoryPanel panel;
    cmdAvanti_Click(panel);
    EXPECT_EQ(panel.text(Field::lblN), "2");
    EXPECT_FALSE(panel.timerEnabled());
    EXPECT_EQ(panel.stopCaption(), stopIdleLook.caption);
}

struct TransitionRow
{
    std::string_view name;
    bool running;
    Log expected;
    std::string_view streetAfter;
};

using Transition = testing::TestWithParam<TransitionRow>;

// cmdStop starting and halting the search: the exact order of the writes, and what each
// transition leaves of the last solution.
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
                                  {"read Timer1", "Timer1 on",
                                   RecordingPanel::captionEntry(stopRunningLook.caption),
                                   RecordingPanel::backgroundEntry(stopRunningLook.background),
                                   R"(write lblCase "")"},
                                  ""},
                    TransitionRow{"Running_to_Idle_leaves_Case",
                                  true,
                                  {"read Timer1", "Timer1 off",
                                   RecordingPanel::captionEntry(stopIdleLook.caption),
                                   RecordingPanel::backgroundEntry(stopIdleLook.background)},
                                  "8"}),
    RowName{});

struct LongStreetRow
{
    std::string name;
    std::int64_t n;
    std::string lastSum;
};

// From n = 7071 on, the houses up to 10000 no longer pass the sum before the candidate, so the
// step adds all of them; from n = 9999 on there is no house left to add.
std::vector<LongStreetRow> longStreetRows()
{
    constexpr std::int64_t longestStreet = 10000;
    std::vector<LongStreetRow> rows;
    for (const std::int64_t n : {7071, 7500, 9000, 9997}) {
        rows.push_back(
            {"n_" + std::to_string(n), n, std::to_string(sumOfHouses(n + 2, longestStreet))});
    }
    rows.push_back({"n_9998_adds_house_10000_alone", 9998, "10000"});
    for (const std::int64_t n : {9999, 10000, 10001, 65534}) {
        rows.push_back({"n_" + std::to_string(n) + "_adds_no_house", n, ""});
    }
    return rows;
}

using LongStreet = testing::TestWithParam<LongStreetRow>;

TEST_P(LongStreet, AddsEveryHouseUpTo10000AndGoesOn)
{
    const LongStreetRow &row = GetParam();
    MemoryPanel panel;
    panel.setTimerEnabled(true);
    placeBefore(panel, row.n - 1);
    cmdAvanti_Click(panel);
    EXPECT_EQ(panel.text(Field::lblN), std::to_string(row.n));
    EXPECT_EQ(panel.text(Field::lblCivico), std::to_string(row.n + 1));
    EXPECT_EQ(panel.text(Field::lblTot), std::to_string(triangle(row.n)));
    EXPECT_EQ(panel.text(Field::lblTot2), row.lastSum);
    EXPECT_EQ(panel.text(Field::lblCase), "");
    EXPECT_TRUE(panel.timerEnabled());
}

INSTANTIATE_TEST_SUITE_P(PastTheLastSolution, LongStreet, testing::ValuesIn(longStreetRows()),
                         RowName{});

TEST(SearchStep, WorstStepAddsMostHouses)
{
    RecordingPanel panel;
    placeBefore(panel.state(), 7069);
    cmdAvanti_Click(panel);
    const Log log = panel.takeLog();
    // One emptying write, then one write per house added: 7072 ... 10000 passes the sum before.
    const auto lastSumWrites = std::count_if(log.begin(), log.end(), [](const std::string &entry) {
        return entry.starts_with("write lblTot2 ");
    });
    EXPECT_EQ(lastSumWrites, 1 + 2929);
    const std::int64_t lastSum = std::stoll(panel.state().text(Field::lblTot2));
    EXPECT_EQ(lastSum, sumOfHouses(7072, 10000));
    EXPECT_GT(lastSum, triangle(7070));
    EXPECT_LE(lastSum - 10000, triangle(7070));
}

TEST(SearchStep, OverflowLeavesTheTextsWrittenSoFar)
{
    MemoryPanel panel;
    placeBefore(panel, 65534);
    Timer1_Timer(panel);
    EXPECT_EQ(panel.text(Field::lblTot), "2147450880");
    try {
        Timer1_Timer(panel);
        ADD_FAILURE() << "the 65,535th step did not overflow";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_EQ(error.description(), "Overflow");
    }
    EXPECT_EQ(panel.text(Field::lblN), "65536");
    EXPECT_EQ(panel.text(Field::lblCivico), "65537");
    EXPECT_EQ(panel.text(Field::lblTot), "2147450880");
    EXPECT_EQ(panel.text(Field::lblTot2), "");
}

} // namespace
