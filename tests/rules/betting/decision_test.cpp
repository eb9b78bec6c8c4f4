#include "rules/betting/decision.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

struct Decision {
    std::unique_ptr<Table> t = seeded_table();
    Decision(int rank, Chips stack, Chips to_call) {
        t->postblinds = true;
        Player& p = t->seat(4);
        p.handrank = static_cast<std::int16_t>(rank);
        p.prize = stack;
        t->currentbet = to_call;
        t->pot = 100;
        computer_decision(*t, 4, rank);
    }
    const Player& seat() const { return t->seat(4); }
};

TEST(ComputerDecision, BestHandRaisesTheCallPlusAQuarterOfTheStack) {
    struct Case {
        Chips stack, to_call, bet;
    };
    const Case cases[] = {{1000, 20, 270}, {20, 20, 20}, {10, 0, 2},
                          {14, 0, 4},      {1, 0, 0},    {6, 0, 2}};
    for (const Case& c : cases) {
        Decision d(1, c.stack, c.to_call);
        EXPECT_EQ(d.seat().bet, c.bet) << c.stack << " " << c.to_call;
        EXPECT_EQ(d.seat().prize, c.stack - c.bet);
        EXPECT_EQ(d.t->pot, 100 + c.bet);
        EXPECT_EQ(d.t->currentbet, std::max(c.to_call, c.bet));
        // Even a raise of nothing counts as one.
        EXPECT_EQ(d.t->raiservalue, 1);
        EXPECT_EQ(d.t->flopshower, 3);
        EXPECT_EQ(visible(*d.t, ctl::chiplabel(4)), c.bet != 0);
    }
    Decision all_in(1, 20, 20);
    EXPECT_TRUE(all_in.seat().allin);
    EXPECT_EQ(caption(*all_in.t, ctl::stack_label(4)), "All in");
}

TEST(ComputerDecision, MiddleStandingsCallOrCheck) {
    for (int rank : {2, 3, 4}) {
        Decision call(rank, 1000, 60);
        EXPECT_EQ(call.seat().bet, 60);
        EXPECT_EQ(call.seat().prize, 940);
        EXPECT_EQ(caption(*call.t, ctl::stack_label(4)), " 940");
        EXPECT_EQ(caption(*call.t, ctl::chiplabel(4)), " 60");
    }
    Decision check(3, 1000, 0);
    EXPECT_EQ(check.seat().bet, 0);
    EXPECT_FALSE(visible(*check.t, ctl::chiplabel(4)));
    Decision short_stack(3, 45, 100);
    EXPECT_EQ(short_stack.seat().bet, 45);
    EXPECT_TRUE(short_stack.seat().allin);
    EXPECT_EQ(caption(*short_stack.t, ctl::stack_label(4)), "All in");
    EXPECT_EQ(short_stack.t->currentbet, 100);
}

TEST(ComputerDecision, WeakHandsFoldAndPutNothingIn) {
    for (int rank : {5, 0}) {
        Decision d(rank, 1000, 20);
        EXPECT_TRUE(d.seat().fold);
        EXPECT_EQ(d.seat().prize, 1000);
        EXPECT_EQ(d.t->pot, 100);
        EXPECT_FALSE(visible(*d.t, ctl::first_card(4)));
        EXPECT_FALSE(visible(*d.t, ctl::second_card(4)));
    }
}

TEST(ComputerDecision, TheBigBlindFoldingLeavesItsBlindInThePot) {
    auto t = game_with_dealer(3);
    set_standings(*t, {3, 3, 3, 3, 5, 3, 3, 3, 3, 3});
    ticks(*t, 6);
    click(*t, ctl::Call);
    ticks(*t, 3);
    EXPECT_TRUE(t->seat(5).fold);
    EXPECT_EQ(t->seat(5).prize, 980);
}

TEST(ComputerDecision, AnAllInSeatWithTheBestHandPassesAndStillMovesTheCloser) {
    auto t = game_with_dealer(3);
    set_standings(*t, {3, 3, 3, 3, 3, 3, 1, 3, 3, 3});
    t->seat(7).prize = 0;
    t->seat(7).allin = true;
    ticks(*t, 2);  // seat 6 calls, seat 7 passes on at once and raises by nothing
    EXPECT_EQ(t->seat(7).bet, 0);
    EXPECT_EQ(t->raiservalue, 1);
    EXPECT_EQ(t->flopshower, 6);
    EXPECT_EQ(t->focuser, 8);  // seat 8 has taken its turn in the same moment
}

}  // namespace
}  // namespace holdem
