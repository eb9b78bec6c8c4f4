// Every hand comes to an end: every betting round closes, the pot goes to the best hand still in
// and all of it, nothing happens once the showdown has begun, a table where nobody can bet still
// reaches its showdown, and no typed amount can break the game.
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

// Steps the game until the showdown, seat 1 played by `human`; false if it takes too long.
template <typename Human>
bool play_to_showdown(Table& t, Human&& human, int max_steps = 500) {
    const std::uint64_t showdowns = t.showdowns;
    for (int step = 0; step < max_steps && t.showdowns == showdowns; ++step) {
        if (visible(t, ctl::Fold))
            human(t);
        else
            ticks(t);
    }
    return t.showdowns > showdowns;
}

void call_or_check(Table& t) {
    click(t, visible(t, ctl::Call) ? ctl::Call : ctl::Check);
}

TEST(HandCompletion, EveryBettingRoundClosesAfterAnEarlyRaise) {
    auto t = game_with_dealer(3);
    set_standings(*t, {1, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    bool raised = false;
    const Chips total = stacks_and_pot(*t);
    ASSERT_TRUE(play_to_showdown(*t, [&](Table& t) {
        if (!raised) {
            raised = true;
            click(t, ctl::Raise);
        } else {
            call_or_check(t);
        }
    }));
    EXPECT_TRUE(t->postflop3);
    EXPECT_EQ(stacks_and_pot(*t) - t->pot, total);  // all of the pot went out
    EXPECT_GT(t->seat(1).prize, 1000);
}

TEST(HandCompletion, ARiverClosedByAPassingSeatIsPaidOnceAndNobodyBetsAfter) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 5, 3, 3, 1, 3});  // seat 6 folds, seat 9 holds the best hand
    // Play to the river, then let the folded seat 6 close it.
    ASSERT_TRUE(play_to_showdown(*t, [&](Table& t) {
        if (t.postflop3) t.flopshower3 = 6;
        call_or_check(t);
    }));
    EXPECT_EQ(t->showdowns, 1u);
    const Chips after = stacks_and_pot(*t);
    std::array<Chips, 11> stacks;
    for (int k = 1; k <= 10; ++k)
        stacks[k] = t->seat(k).prize;
    run_until(*t, t->loop.now() + 4999);  // the five seconds between hands
    EXPECT_EQ(t->showdowns, 1u);
    EXPECT_EQ(stacks_and_pot(*t), after);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(t->seat(k).prize, stacks[k]) << k;
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
}

TEST(HandCompletion, NoLostFocusRestartsTheClockBetweenHands) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ASSERT_TRUE(play_to_showdown(*t, [&](Table& t) {
        if (t.postflop3) t.flopshower3 = 1;  // the human's check closes the river
        call_or_check(t);
    }));
    click(*t, ctl::SitOut);  // the focus leaves the human's button
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
    Command4_Click(*t);
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_EQ(t->showdowns, 1u);
    run_until(*t, t->loop.now() + 5000);
    EXPECT_EQ(t->hands_started, 2u);
}

TEST(HandCompletion, ATableWhereNobodyCanActStillReachesItsShowdown) {
    auto t = game_with_dealer(3);
    for (int k = 1; k <= 10; ++k) {
        t->seat(k).allin = true;  // as if everybody had moved in
        t->controls.set_caption(ctl::stack_label(k), "All in");
    }
    ticks(*t);
    EXPECT_EQ(t->showdowns, 1u);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(visible(*t, ctl::board_card(i)));
    EXPECT_TRUE(visible(*t, ctl::winnerlabel));
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::Timer1));
}

TEST(HandCompletion, WithoutABigBlindTheRoundOpensWhenTheTurnComesRound) {
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(3)));
    Form_Load(*t);
    for (int k : {2, 3, 5, 6, 7, 8, 9, 10})
        t->seat(k).Active = false;
    settle(*t);
    EXPECT_EQ(t->pot, 10);
    ASSERT_EQ(focus_name(*t), "Command5");  // everybody else passed straight to the human
    t->seat(4).handrank = 3;
    click(*t, ctl::Call);
    // The small blind's seat opened the round instead of posting again, and checked.
    EXPECT_TRUE(t->postblinds);
    EXPECT_EQ(t->pot, 20);
    EXPECT_EQ(t->seat(4).prize, 990);
    ASSERT_TRUE(play_to_showdown(*t, call_or_check));
    EXPECT_EQ(stacks_and_pot(*t) - t->pot, 10000);
}

TEST(HandCompletion, NoTypedAmountCanBreakTheGame) {
    for (const char* huge : {"99999999999999999999", "1e999", "2147483648", "4294967296"}) {
        auto t = game_with_dealer(3);
        set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
        ticks(*t, 6);
        set_amount_text(*t, huge);
        click(*t, ctl::BetIt);
        EXPECT_FALSE(t->ended) << huge;
        EXPECT_EQ(t->seat(1).prize, 0) << huge;
        EXPECT_EQ(t->seat(1).totalbet, 1000) << huge;
        EXPECT_EQ(caption(*t, ctl::stack_label(1)), "All in");
    }
}

}  // namespace
}  // namespace holdem
