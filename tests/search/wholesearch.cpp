#include "memorypanel.h"
#include "rowname.h"
#include "runtimeerror.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The search from the start to the overflow that ends it: the five solutions at their steps,
// checked against the puzzle's own arithmetic, and no sixth one.

using namespace ponderival;
using namespace searchfixtures;

namespace {

using rowname::PrintTo;

// The whole search from the start, pressing on after each solution as a user would, until the
// step raises an error. The bound only keeps a faulty search from running for ever.
struct WholeSearch
{
    struct Found
    {
        int step;
        std::int64_t house, street, sum;
    };
    std::vector<Found> found;
    int lastStep = 0;
    int errorNumber = 0;
    std::array<std::string, fieldCount> texts;
};

WholeSearch runWholeSearch()
{
    WholeSearch search;
    MemoryPanel panel;
    try {
        for (search.lastStep = 1; search.lastStep <= 70000; ++search.lastStep) {
            panel.setTimerEnabled(true);
            cmdAvanti_Click(panel);
            if (!panel.timerEnabled()) {
                search.found.push_back({search.lastStep, std::stoll(panel.text(Field::lblCivico)),
                                        std::stoll(panel.text(Field::lblCase)),
                                        std::stoll(panel.text(Field::lblTot))});
            }
        }
    } catch (const RuntimeError &error) {
        search.errorNumber = error.number();
    }
    for (std::size_t field = 0; field < fieldCount; ++field) {
        search.texts.at(field) = panel.text(static_cast<Field>(field));
    }
    return search;
}

const WholeSearch &wholeSearch()
{
    static const WholeSearch search = runWholeSearch();
    return search;
}

TEST(WholeSearch, FindsFiveSolutionsThenOverflowsAtStep65535)
{
    const WholeSearch &search = wholeSearch();
    EXPECT_EQ(search.errorNumber, 6);
    EXPECT_EQ(search.lastStep, 65535);
    EXPECT_EQ(search.found.size(), std::size_t{5});
    // No step after the fifth solution wrote lblCase; the failing one left n, its house and sum.
    const std::array<std::string, fieldCount> texts{"65536", "2147450880", "65537", "", "9800"};
    EXPECT_EQ(search.texts, texts);
}

struct SolutionRow
{
    std::string_view name;
    std::size_t index;
    WholeSearch::Found expected;
};

using Solution = testing::TestWithParam<SolutionRow>;

TEST_P(Solution, IsFoundAtItsStepAndAddsUp)
{
    const SolutionRow &row = GetParam();
    const WholeSearch &search = wholeSearch();
    ASSERT_LT(row.index, search.found.size());
    const WholeSearch::Found &found = search.found.at(row.index);
    EXPECT_EQ(found.step, row.expected.step);
    EXPECT_EQ(found.house, row.expected.house);
    EXPECT_EQ(found.street, row.expected.street);
    EXPECT_EQ(found.sum, row.expected.sum);
    // The houses on either side of the answer really add up to the sum shown.
    EXPECT_EQ(triangle(found.house - 1), found.sum);
    EXPECT_EQ(sumOfHouses(found.house + 1, found.street), found.sum);
}

INSTANTIATE_TEST_SUITE_P(
    WholeSearch, Solution,
    testing::Values(SolutionRow{"house_6_of_8", 0, {4, 6, 8, 15}},
                    SolutionRow{"house_35_of_49", 1, {33, 35, 49, 595}},
                    SolutionRow{"house_204_of_288", 2, {202, 204, 288, 20706}},
                    SolutionRow{"house_1189_of_1681", 3, {1187, 1189, 1681, 706266}},
                    SolutionRow{"house_6930_of_9800", 4, {6928, 6930, 9800, 24008985}}),
    RowName{});

} // namespace
