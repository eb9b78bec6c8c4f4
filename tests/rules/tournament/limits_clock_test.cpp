#include "rules/tournament/limits_clock.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(LimitsClock, ScheduleSkipsTwoHundredAndStopsAtTheTop) {
    EXPECT_EQ(next_limits(10), 25);
    EXPECT_EQ(next_limits(100), 500);
    EXPECT_EQ(next_limits(50000), 100000);
    EXPECT_EQ(next_limits(100000), 100000);
    EXPECT_EQ(next_limits(200), 200);  // off the schedule: stays
}

TEST(LimitsClock, ALevelLasts31TicksAndTheLabelsAreWrittenBeforeTheRise) {
    auto t = seeded_table();
    show_limits_at_start(*t);
    limits_clock_tick(*t);
    EXPECT_EQ(caption(*t, ctl::limitslabel), "Limits Go Up in mins   9 : 99 sec");
    EXPECT_EQ(caption(*t, ctl::limitsdisplay), "Limits    10  -   20");
    for (int tick = 2; tick <= 30; ++tick)
        limits_clock_tick(*t);
    EXPECT_EQ(t->limits, 10);
    EXPECT_EQ(t->limittimersetting, 970);
    limits_clock_tick(*t);  // the 31st: shows 969 and the old blinds, then rises
    EXPECT_EQ(caption(*t, ctl::limitslabel), "Limits Go Up in mins   9 : 69 sec");
    EXPECT_EQ(caption(*t, ctl::limitsdisplay), "Limits    10  -   20");
    EXPECT_EQ(t->limits, 25);
    EXPECT_EQ(t->level, 2);
    EXPECT_EQ(t->limittimersetting, 1000);
    limits_clock_tick(*t);
    EXPECT_EQ(caption(*t, ctl::limitslabel), "Limits Go Up in mins   9 : 99 sec");
    EXPECT_EQ(caption(*t, ctl::limitsdisplay), "Limits    25  -   50");
}

TEST(LimitsClock, TheLastLevelKeepsCountingAndLevelStopsAt13) {
    auto t = seeded_table();
    for (int tick = 0; tick < 31 * 20; ++tick)
        limits_clock_tick(*t);
    EXPECT_EQ(t->limits, 100000);
    EXPECT_EQ(t->level, 13);
    EXPECT_EQ(caption(*t, ctl::limitsdisplay), "Limits    100000  -   200000");
    limits_clock_tick(*t);
    EXPECT_EQ(t->limittimersetting, 999);
}

TEST(LimitsClock, OnlyRunningTicksCountAndAHumanDecisionStopsThem) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ticks(*t, 6);  // to the human's turn
    EXPECT_EQ(t->limittimersetting, 994);
    run_until(*t, t->loop.now() + 3600 * 1000);
    EXPECT_EQ(t->limittimersetting, 994);
    EXPECT_EQ(caption(*t, ctl::limitslabel), "Limits Go Up in mins   9 : 94 sec");
}

}  // namespace
}  // namespace holdem
