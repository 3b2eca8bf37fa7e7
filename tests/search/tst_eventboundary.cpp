#include "eventprocedure.h"
#include "memorypanel.h"
#include "pendingtexts.h"
#include "runcontrol.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// What the windows share at the edge of every event: the error that ends a procedure comes back
// as a value, and the texts it wrote reach the labels once, each field with its last text.

using namespace ponderival;

namespace {

void failOutsideTheSearch(Panel & /*panel*/)
{
    throw std::logic_error("not a run-time error");
}

} // namespace

TEST(EventProcedure, CompletedProcedureReportsNothing)
{
    MemoryPanel panel;
    EXPECT_FALSE(runEventProcedure(cmdStop_Click, panel).has_value());
    EXPECT_TRUE(panel.timerEnabled());
}

TEST(EventProcedure, OverflowComesBackWithTheTextsWrittenBeforeIt)
{
    MemoryPanel panel;
    searchfixtures::placeBefore(panel, 65535);
    const auto failure = runEventProcedure(Timer1_Timer, panel);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->number(), 6);
    EXPECT_EQ(failure->description(), "Overflow");
    EXPECT_EQ(panel.text(Field::lblN), "65536");
    EXPECT_EQ(panel.text(Field::lblCivico), "65537");
    EXPECT_EQ(panel.text(Field::lblTot), "2147450880");
    EXPECT_EQ(panel.text(Field::lblTot2), "");
}

TEST(EventProcedure, AnyOtherFailureIsTheInternalError)
{
    MemoryPanel panel;
    const auto failure = runEventProcedure(failOutsideTheSearch, panel);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->number(), 51);
    EXPECT_EQ(failure->description(), "Errore interno");
}

TEST(PendingTexts, EachFieldGetsItsLastTextOnceInFieldOrder)
{
    PendingTexts pending;
    pending.set(Field::lblCase, "8");
    pending.set(Field::lblTot2, "7");
    pending.set(Field::lblTot2, "15");
    pending.set(Field::lblN, "5");
    ASSERT_NE(pending.find(Field::lblTot2), nullptr);
    EXPECT_EQ(*pending.find(Field::lblTot2), "15");
    EXPECT_EQ(pending.find(Field::lblTot), nullptr);

    std::vector<std::pair<Field, std::string>> written;
    const auto record = [&written](Field field, const std::string &text) {
        written.emplace_back(field, text);
    };
    pending.commit(record);
    const std::vector<std::pair<Field, std::string>> expected{
        {Field::lblN, "5"}, {Field::lblTot2, "15"}, {Field::lblCase, "8"}};
    EXPECT_EQ(written, expected);

    // A commit empties the batch: the labels now hold the texts, and a second commit writes none.
    EXPECT_EQ(pending.find(Field::lblTot2), nullptr);
    written.clear();
    pending.commit(record);
    EXPECT_TRUE(written.empty());
}
