#include "recordingpanel.h"
#include "rowname.h"
#include "runcontrol.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Starting and halting the search: the exact order of the writes, and what each transition
// leaves of the last solution.

using namespace ponderival;

namespace {

using form::stopIdleLook;
using form::stopRunningLook;
using rowname::PrintTo;
const std::string idleCaption = RecordingPanel::captionEntry(stopIdleLook);
const std::string idleBackground = RecordingPanel::backgroundEntry(stopIdleLook);
const std::string runningCaption = RecordingPanel::captionEntry(stopRunningLook);
const std::string runningBackground = RecordingPanel::backgroundEntry(stopRunningLook);

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

INSTANTIATE_TEST_SUITE_P(cmdStop, Transition,
                         testing::Values(TransitionRow{"Idle_to_Running_empties_Case",
                                                       false,
                                                       {"read Timer1", "Timer1 on", runningCaption,
                                                        runningBackground, R"(write lblCase "")"},
                                                       ""},
                                         TransitionRow{"Running_to_Idle_leaves_Case",
                                                       true,
                                                       {"read Timer1", "Timer1 off", idleCaption,
                                                        idleBackground},
                                                       "8"}),
                         RowName{});

} // namespace
