#include "cycle/hand_driver.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

// Plays the current hand to its showdown with the human folding.
void finish_hand(Table& t) {
    const std::uint64_t showdowns = t.showdowns;
    for (int step = 0; step < 1000 && t.showdowns == showdowns && !t.ended; ++step) {
        if (visible(t, ctl::Fold))
            click(t, ctl::Fold);
        else
            run_until(t, *t.loop.next_deadline());
    }
    ASSERT_GT(t.showdowns, showdowns);
}

TEST(HandDriver, StartUpWritesTheLabelsAndDealsTheFirstHand) {
    auto t = game_with_dealer(3);
    EXPECT_EQ(caption(*t, ctl::limitslabel), "Limits Go Up in    1000mins");
    EXPECT_EQ(caption(*t, ctl::limitsdisplay), "Limits    10  -   20");
    EXPECT_EQ(caption(*t, ctl::stack_label(1)), " 1000");
    EXPECT_FALSE(visible(*t, ctl::winnerlabel));  // the line is prepared, hidden until the showdown
    EXPECT_NE(caption(*t, ctl::winnerlabel), " ");
    EXPECT_EQ(t->hands_started, 1u);
}

TEST(HandDriver, TheTossRunsOnceAndTheButtonMovesEveryHand) {
    auto t = game_with_dealer(3);
    for (int hand = 2; hand <= 4; ++hand) {
        finish_hand(*t);
        EXPECT_TRUE(t->loop.timer_enabled(TimerId::Timer1));
        run_until(*t, t->loop.now() + 4999);
        EXPECT_EQ(t->hands_started, static_cast<std::uint64_t>(hand - 1));
        run_until(*t, t->loop.now() + 1);
        EXPECT_EQ(t->hands_started, static_cast<std::uint64_t>(hand));
        EXPECT_FALSE(t->loop.timer_enabled(TimerId::Timer1));  // fires once per hand
        EXPECT_EQ(t->seat(3 + hand - 1).dealer, 1);
    }
}

TEST(HandDriver, ClearTableShowsEveryHoleCardAndHidesTheBoard) {
    auto t = game_with_dealer(3);
    t->controls.hide(ctl::first_card(4));
    t->controls.hide(ctl::second_card(9));
    for (int i = 1; i <= 5; ++i)
        t->controls.show(ctl::board_card(i));
    const int cell = t->controls[ctl::first_card(1)].cell;
    clear_table(*t);
    for (int n = 12; n <= 31; ++n)
        EXPECT_TRUE(visible(*t, ctl::Picture(n)));
    for (int n = 32; n <= 36; ++n)
        EXPECT_FALSE(visible(*t, ctl::Picture(n)));
    for (int i = 0; i < 60; ++i)
        EXPECT_FALSE(visible(*t, ctl::backchips(i)));
    EXPECT_EQ(t->controls[ctl::first_card(1)].cell, cell);
    EXPECT_EQ(t->pot, 30);
}

TEST(HandDriver, TheHandRestartClearsTheLastHand) {
    auto t = game_with_dealer(3);
    finish_hand(*t);
    t->seat(6).fold = true;
    t->seat(7).allin = true;
    t->raiservalue = 2;
    t->flopshower2 = 4;
    clear_table(*t);
    new_deal(*t);  // the blinds wait in the focus queue
    EXPECT_EQ(t->pot, 0);
    EXPECT_EQ(t->currentbet, 0);
    EXPECT_EQ(t->raiservalue, 0);
    EXPECT_FALSE(t->gameover || t->postblinds || t->postflop1 || t->postflop2 ||
                 t->postflop3);
    EXPECT_EQ(t->flopshower2, 0);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_FALSE(t->seat(k).fold);
        EXPECT_FALSE(t->seat(k).allin);
        EXPECT_EQ(t->seat(k).totalbet, 0);
    }
    EXPECT_FALSE(visible(*t, ctl::winnerlabel));
    EXPECT_TRUE(visible(*t, ctl::rank_line));
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::Timer1));
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_EQ(t->seat(4).dealer, 1);
    EXPECT_GE(t->numberofwinners, 1);
    settle(*t);
    EXPECT_EQ(t->pot, 30);
}

}  // namespace
}  // namespace holdem
