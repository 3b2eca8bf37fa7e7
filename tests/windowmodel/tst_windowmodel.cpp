#include "frmponderivaldescription.h"
#include "recordingport.h"
#include "rowname.h"
#include "searchfixtures.h"
#include "windowmodel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The window's model against a window that records what it is asked: the order in which the
// controls, Timer1 and a screen reader hear of each event, which control's click runs what, and
// the end of the program, by cmdEsc, by the platform and by an error.

using namespace ponderival;
using namespace std::chrono_literals;

namespace {

using Log = std::vector<std::string>;
using rowname::PrintTo;

constexpr form::ControlId cmdStop = form::cmdStop;
constexpr form::ControlId cmdEsc = form::cmdEsc;

const std::string idle = std::string(form::stopIdleLook.caption);
const std::string running = std::string(form::stopRunningLook.caption);

class Window : public testing::Test
{
protected:
    void SetUp() override { RecordingPort::clock = 0ms; }

    // Ticks as Timer1 gives them, 10 ms apart, until the run halts; returns how many.
    int runToHalt()
    {
        int ticks = 0;
        while (model.timerEnabled() && ticks < 100000) {
            RecordingPort::clock += 10ms;
            model.tick();
            ++ticks;
        }
        return ticks;
    }

    // A run started and ticked so many times, with what the window was asked so far forgotten.
    void startAndTick(int ticks)
    {
        model.click(cmdStop);
        for (int tick = 0; tick < ticks; ++tick) {
            model.tick();
        }
        port.clearLog();
    }

    RecordingPort port;
    WindowModel model{port, RecordingPort::now};
};

TEST_F(Window, StartingARunReachesTheWindowInOrder)
{
    model.click(cmdStop);
    const Log expected{"start 10 ms",
                       "caption \"" + running + '"',
                       "face " + hexText(form::stopRunningLook.background),
                       R"(text lblCase "")",
                       R"(describe "")",
                       "say \"" + running + R"(" "")"};
    EXPECT_EQ(port.takeLog(), expected);
}

TEST_F(Window, EachTickShowsEachWrittenFieldOnceWithItsLastText)
{
    startAndTick(0);
    RecordingPort::clock = 10ms;
    model.tick();
    // lblTot2 was emptied and then written again; the fields come in their own order.
    EXPECT_EQ(port.takeLog(), (Log{R"(text lblN "2")", R"(text lblTot "3")",
                                   R"(text lblCivico "3")", R"(text lblTot2 "4")"}));
    model.run([](Panel &panel) { searchfixtures::placeBefore(panel, 7069); });
    port.clearLog();
    model.tick();
    // The worst step writes lblTot2 2,930 times; the window shows it once.
    const Log log = port.takeLog();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string &entry) { return entry.starts_with("text "); }),
              4);
    EXPECT_EQ(log.back(),
              "text lblTot2 \"" + std::to_string(searchfixtures::sumOfHouses(7072, 10000)) + '"');
}

TEST_F(Window, AScreenReaderHearsTheFirstThreeAnswers)
{
    int thirdRunTicks = 0;
    for (int run = 0; run < 3; ++run) {
        model.click(cmdStop);
        thirdRunTicks = runToHalt();
    }
    const std::vector<Announcement> expected{
        {running, ""}, {"Somma 15, Numero 6, Case 8", idle},
        {running, ""}, {"Somma 595, Numero 35, Case 49", idle},
        {running, ""}, {"Somma 20706, Numero 204, Case 288", idle},
    };
    EXPECT_EQ(port.says, expected);
    const auto unseen = std::find_if(port.names.begin(), port.names.end(), [](const auto &named) {
        return named.field == Field::lblN || named.field == Field::lblTot2;
    });
    EXPECT_EQ(unseen, port.names.end()) << "an unseen field was named";

    // In the third run, 169 ticks: the sum is named at most every 250 ms, and with the answer.
    std::vector<RecordingPort::Named> sums;
    std::copy_if(port.names.begin(), port.names.end(), std::back_inserter(sums),
                 [](const auto &named) { return named.field == Field::lblTot; });
    const auto thirdRun = RecordingPort::clock - thirdRunTicks * 10ms;
    const auto firstOfRun = std::find_if(sums.begin(), sums.end(),
                                         [&](const auto &named) { return named.at > thirdRun; });
    ASSERT_NE(firstOfRun, sums.end());
    for (auto named = firstOfRun + 1; named + 1 < sums.end(); ++named) {
        EXPECT_GE(named->at - (named - 1)->at, namePacing) << named->name;
    }
    const auto namedInRun = static_cast<std::ptrdiff_t>(1690ms / namePacing) + 1;
    EXPECT_EQ(sums.end() - firstOfRun, namedInRun);
    EXPECT_EQ(sums.back().name, "Somma 20706");
    EXPECT_EQ(sums.back().at, RecordingPort::clock);
    EXPECT_EQ(port.names.back().name, "Case 288");
}

TEST_F(Window, ARunHaltedByHandSaysTheCaptionAndDescribesWhereItHalted)
{
    startAndTick(3);
    model.click(cmdStop);
    const Log expected{"stop",
                       "caption \"" + idle + '"',
                       "face " + hexText(form::stopIdleLook.background),
                       R"(name lblTot "Somma 10")",
                       R"(name lblCivico "Numero 5")",
                       R"(describe "Somma 10, Numero 5")",
                       "say \"" + idle + R"(" "")"};
    EXPECT_EQ(port.takeLog(), expected);
    // A tick that fell due before the timer stopped runs nothing.
    model.tick();
    EXPECT_EQ(port.takeLog(), Log{});
}

TEST_F(Window, EnablingARunningTimerKeepsItsPeriod)
{
    model.run([](Panel &panel) {
        panel.setTimerEnabled(true);
        panel.setTimerEnabled(true);
        panel.setTimerEnabled(false);
        panel.setTimerEnabled(false);
    });
    EXPECT_EQ(port.takeLog(), (Log{"start 10 ms", "stop"}));
}

struct ClickRow
{
    std::string_view name;
    std::string_view control;
    std::string_view lblN;
    bool timerEnabled;
    std::vector<int> closedWith;
};

using Clicks = testing::TestWithParam<ClickRow>;

TEST_P(Clicks, RunTheirControlsProcedure)
{
    const ClickRow &row = GetParam();
    RecordingPort port;
    WindowModel model(port);
    model.click(form::ControlId::at(form::controlIndex(row.control).value()).value());
    EXPECT_EQ(model.text(Field::lblN), row.lblN);
    EXPECT_EQ(model.timerEnabled(), row.timerEnabled);
    EXPECT_EQ(port.closedWith, row.closedWith);
    EXPECT_EQ(model.isOpen(), row.closedWith.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EventTable, Clicks,
    testing::Values(ClickRow{"cmdStop_starts_the_run", "cmdStop", "1", true, {}},
                    ClickRow{"cmdAvanti_steps", "cmdAvanti", "2", false, {}},
                    ClickRow{"cmdEsc_closes", "cmdEsc", "1", false, {0}},
                    ClickRow{"a_heading_runs_nothing", "Label1", "1", false, {}},
                    ClickRow{"a_field_runs_nothing", "lblTot", "1", false, {}}),
    RowName{});

TEST_F(Window, CmdEscWhileRunningStopsTheTicksAndNothingRunsAfter)
{
    startAndTick(1);
    model.click(cmdEsc);
    EXPECT_EQ(port.takeLog(), (Log{"stop", "close 0"}));
    model.tick();
    model.click(cmdStop);
    EXPECT_EQ(port.takeLog(), Log{});
    EXPECT_EQ(model.exitStatus(), 0);
}

TEST_F(Window, ClosedByThePlatformMidRunRunsNothingMore)
{
    startAndTick(1);
    model.windowClosed();
    model.tick();
    model.click(cmdStop);
    EXPECT_EQ(port.takeLog(), Log{"stop"});
    EXPECT_TRUE(port.closedWith.empty());
}

TEST_F(Window, OverflowIsReportedOnceBehindWhatTheStepWrote)
{
    model.run([](Panel &panel) { searchfixtures::placeBefore(panel, 65535); });
    startAndTick(0);
    model.tick();
    const Log expected{R"(text lblN "65536")", R"(text lblCivico "65537")",
                       R"(text lblTot2 "")",   "stop",
                       "report 6 Overflow",    "close 1"};
    EXPECT_EQ(port.takeLog(), expected);
    EXPECT_EQ(model.exitStatus(), 1);
    EXPECT_EQ(model.text(Field::lblTot), "2147450880");
    model.tick();
    model.click(cmdStop);
    EXPECT_EQ(port.takeLog(), Log{});
}

TEST_F(Window, AFailingWindowEndsAsTheInternalError)
{
    port.failOnText();
    port.failOnReport();
    model.click(cmdStop);
    const Log log = port.takeLog();
    ASSERT_GE(log.size(), 3U);
    EXPECT_EQ((Log{log.end() - 3, log.end()}),
              (Log{"stop", "report 51 Errore interno", "close 1"}));
    model.fail();
    EXPECT_EQ(port.takeLog(), Log{});
}

TEST_F(Window, AFailureOfTheWindowIsReportedAsAnError)
{
    model.fail();
    EXPECT_EQ(port.takeLog(), (Log{"report 51 Errore interno", "close 1"}));
}

} // namespace
