#include "cycle/turns.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Toss, TheHighestCardDealsAndSuitsBreakTies) {
    auto t = game_with_dealer(7);
    EXPECT_EQ(t->seat(7).dealer, 1);
    EXPECT_EQ(t->seat(8).dealer, 2);
    EXPECT_EQ(t->seat(1).dealer, 5);
    EXPECT_EQ(t->seat(6).dealer, 10);
    EXPECT_EQ(t->tossdone, 1);
    const Control& button = t->controls[ctl::dealer_button];
    EXPECT_TRUE(button.visible);
    EXPECT_EQ(t->dealer_button_seat, 7);

    // "Kh" against "Ks": the spade is the higher code.
    std::vector<float> toss;
    for (int position = 0; position < 25; ++position)
        toss.push_back(draw_for(position == 2   ? code_of("Kh")
                                : position == 8 ? code_of("Ks")
                                                : CardCode(position + 1)));
    auto v = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss));
    holdem::toss(*v);
    EXPECT_EQ(v->seat(9).dealer, 1);
    EXPECT_EQ(v->seat(3).dealer, 5);
    EXPECT_EQ(v->seat(3).cardtext1, "Kh");
}

TEST(NextDealer, MovesOneSeatWhateverTheSeat) {
    auto t = seeded_table();
    set_dealer_positions(*t, 10);
    next_dealer(*t);
    EXPECT_EQ(t->seat(1).dealer, 1);
    EXPECT_EQ(t->seat(2).dealer, 2);
    EXPECT_EQ(t->seat(10).dealer, 10);
    t->seat(2).Active = false;
    next_dealer(*t);
    EXPECT_EQ(t->seat(2).dealer, 1);
    EXPECT_FALSE(t->postblinds);

    // Reaching a sitting-out human, the button waits by seat 2's cards.
    set_dealer_positions(*t, 10);
    t->seat(1).sittingout = true;
    next_dealer(*t);
    EXPECT_EQ(t->seat(1).dealer, 1);
    EXPECT_EQ(t->dealer_button_seat, 2);

    auto u = seeded_table();
    u->postblinds = true;
    next_dealer(*u);  // nobody holds the button: nothing changes
    EXPECT_TRUE(u->postblinds);
    EXPECT_EQ(u->seat(2).dealer, 0);
}

TEST(Blinds, SmallAndBigBlindThenTheClockOpensThePreFlop) {
    auto t = game_with_dealer(3);
    EXPECT_EQ(t->seat(4).prize, 990);
    EXPECT_EQ(t->seat(5).prize, 980);
    EXPECT_EQ(caption(*t, ctl::stack_label(4)), " 990");
    EXPECT_EQ(caption(*t, ctl::chiplabel(5)), " 20");
    EXPECT_TRUE(visible(*t, ctl::backchips(18)));
    EXPECT_TRUE(visible(*t, ctl::backchips(29)));
    EXPECT_EQ(t->pot, 30);
    EXPECT_EQ(caption(*t, ctl::potlabel), " 30");
    EXPECT_EQ(t->currentbet, 20);
    EXPECT_FALSE(t->postblinds);
    EXPECT_EQ(t->focuser, 5);
    EXPECT_EQ(focus_name(*t), "Picture6");
    EXPECT_EQ(t->controls[ctl::highlight(5)].back_colour, colours::highlight);
    EXPECT_EQ(t->controls[ctl::highlight(4)].back_colour, colours::idle);
    // The big blind handed out the hand's cards: the human sees his own, the others backs.
    EXPECT_EQ(t->controls[ctl::first_card(1)].cell, t->seat(1).cardone);
    EXPECT_EQ(t->controls[ctl::first_card(6)].cell, 55);
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::roundtimer));

    set_standings(*t, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    run_until(*t, 1499);
    EXPECT_EQ(focus_name(*t), "Picture6");
    run_until(*t, 1500);
    EXPECT_TRUE(t->postblinds);
    EXPECT_EQ(focus_name(*t), "Picture7");
    EXPECT_EQ(t->seat(6).totalbet, 20);
    EXPECT_EQ(t->flopshower, 5);  // the first seat after the big blind makes it the closer
}

TEST(Blinds, ABlindBiggerThanTheStackGoesAllIn) {
    auto t = game_with_dealer(3);
    // Replay the blinds of the next hand with a short big blind.
    auto u = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(3)));
    Form_Load(*u);  // queues the first blinds without running them
    u->seat(5).prize = 15;
    settle(*u);
    EXPECT_EQ(u->seat(5).prize, 0);
    EXPECT_TRUE(u->seat(5).allin);
    EXPECT_EQ(caption(*u, ctl::stack_label(5)), "All in");
    EXPECT_EQ(u->currentbet, 15);
    EXPECT_EQ(u->pot, 25);
}

TEST(Blinds, InactiveBlindSeats) {
    // The small blind's seat closed: it posts nothing and passes; the next seat posts the big
    // blind.
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(3)));
    Form_Load(*t);
    t->seat(4).Active = false;
    settle(*t);
    EXPECT_EQ(t->seat(4).totalbet, 0);
    EXPECT_TRUE(t->seat(4).fold);
    EXPECT_EQ(t->seat(5).totalbet, 20);
    EXPECT_EQ(t->pot, 20);

    // The big blind's seat closed: the small blind is posted and nobody posts a big blind.
    auto u = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(3)));
    Form_Load(*u);
    u->seat(5).Active = false;
    settle(*u);
    EXPECT_EQ(u->seat(4).totalbet, 10);
    EXPECT_EQ(u->seat(5).totalbet, 0);
    EXPECT_TRUE(u->seat(5).fold);
    EXPECT_EQ(u->pot, 10);
    EXPECT_EQ(u->focuser, 6);  // seat 6 took its blinds-phase turn and waits for the clock
}

TEST(Blinds, HumanAsBigBlindSeatTwoActsWithoutATick) {
    auto t = game_with_dealer(9);  // seat 10 small blind, the human big blind
    EXPECT_EQ(t->seat(10).totalbet, 10);
    EXPECT_EQ(t->seat(1).totalbet, 20);
    EXPECT_TRUE(t->postblinds);
    EXPECT_EQ(t->loop.now(), 0);
    EXPECT_EQ(t->focuser, 2);  // seat 2 has already acted
    EXPECT_EQ(t->flopshower, 1);
    EXPECT_TRUE(t->seat(2).totalbet == 20 || t->seat(2).fold);
}

TEST(Blinds, WithSeatNineDealingTheHumanPostsTheBigBlindWhateverSeatTenDoes) {
    // Seat 10 closed: it posts nothing, and seat 1 still posts the big blind.
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(9)));
    Form_Load(*t);
    t->seat(10).Active = false;
    settle(*t);
    EXPECT_EQ(t->seat(10).totalbet, 0);
    EXPECT_EQ(t->seat(1).totalbet, 20);
    EXPECT_EQ(t->seat(1).prize, 980);
    EXPECT_TRUE(t->postblinds);
    EXPECT_EQ(t->focuser, 2);  // seat 2 acted next
    EXPECT_FALSE(visible(*t, ctl::Fold));

    // Seat 10 all in from its small blind: seat 1 posts the big blind once and the human's turn
    // does not open inside the blinds.
    auto u = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(9)));
    Form_Load(*u);
    u->seat(10).prize = 5;
    settle(*u);
    EXPECT_TRUE(u->seat(10).allin);
    EXPECT_EQ(u->seat(1).totalbet, 20);
    EXPECT_EQ(u->seat(1).prize, 980);
    EXPECT_EQ(u->focuser, 2);
    EXPECT_FALSE(visible(*u, ctl::Fold));
    EXPECT_TRUE(u->loop.timer_enabled(TimerId::roundtimer));
}

TEST(Blinds, ButtonOnSeatTenHandsTheTurnToTheHumansFocusBox) {
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(10)));
    Form_Load(*t);
    settle(*t);
    EXPECT_EQ(t->seat(1).totalbet, 10);
    EXPECT_EQ(t->seat(2).totalbet, 20);
}

TEST(TurnPassing, OneSeatPerTickFoldedSeatsPassAtOnce) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 5, 5, 3, 3});
    ticks(*t);  // seat 6
    EXPECT_EQ(t->focuser, 6);
    ticks(*t);  // seat 7 folds
    EXPECT_EQ(t->focuser, 7);
    EXPECT_TRUE(t->seat(7).fold);
    EXPECT_FALSE(visible(*t, ctl::first_card(7)));
    ticks(*t);  // seat 8 folds
    ticks(*t);  // seat 9
    EXPECT_EQ(t->focuser, 9);
    EXPECT_EQ(t->seat(9).totalbet, 20);
    ticks(*t);  // seat 10
    ticks(*t);  // the human
    EXPECT_EQ(focus_name(*t), "Command5");
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_TRUE(visible(*t, ctl::Call));
    EXPECT_EQ(caption(*t, ctl::Call), " 20");
    EXPECT_EQ(caption(*t, ctl::Raise), "40");

    // Nothing moves while the human decides, however long.
    const int countdown = t->limittimersetting;
    run_until(*t, t->loop.now() + 600000);
    EXPECT_EQ(focus_name(*t), "Command5");
    EXPECT_EQ(t->limittimersetting, countdown);

    click(*t, ctl::Call);
    EXPECT_EQ(t->seat(1).totalbet, 20);
    EXPECT_EQ(t->focuser, 2);  // seat 2 acted at once
    ticks(*t, 2);              // seats 3, 4: the small blind completes
    EXPECT_EQ(t->seat(4).totalbet, 20);
    // The second lap passes the folded seats 7 and 8 straight through without a tick.
    ticks(*t);  // seat 5, the big blind, closes the pre-flop: the flop
    EXPECT_TRUE(t->postflop1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(visible(*t, ctl::board_card(i)));
        EXPECT_EQ(t->controls[ctl::board_card(i)].cell, t->deck[19 + i]);
    }
    EXPECT_FALSE(visible(*t, ctl::board_card(4)));
    EXPECT_EQ(t->currentbet, 0);
    EXPECT_EQ(t->pot, 160);
}

TEST(TurnPassing, TicksWithNobodyWaitingPassNothing) {
    auto t = game_with_dealer(3);
    t->focuser = 0;
    roundtimer_Timer(*t);
    EXPECT_FALSE(t->loop.focus_pending());
    t->focuser = 1;
    roundtimer_Timer(*t);
    EXPECT_FALSE(t->loop.focus_pending());
    EXPECT_EQ(t->focuser, 1);
}

TEST(TurnPassing, FoldedSeatTenHandsStraightToTheHuman) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    t->seat(10).fold = true;
    ticks(*t, 5);  // seats 6 … 9, then seat 10 passes at once
    EXPECT_EQ(focus_name(*t), "Command5");
    EXPECT_TRUE(visible(*t, ctl::Call));
}

TEST(ClosingSeats, ARaiseMovesTheCloserAndTheThirdRaiseDoesNot) {
    auto t = game_with_dealer(3);
    set_standings(*t, {3, 3, 3, 3, 3, 1, 3, 3, 3, 3});  // seat 6 raises whenever it acts
    ticks(*t);                                          // seat 6 raises: 20 to call + 1000 / 4
    EXPECT_EQ(t->seat(6).totalbet, 270);
    EXPECT_EQ(t->flopshower, 5);
    EXPECT_EQ(t->raiservalue, 1);
    ticks(*t, 5);  // seats 7 … 10 call, then the human's turn
    EXPECT_EQ(focus_name(*t), "Command5");
    EXPECT_EQ(caption(*t, ctl::Call), " 270");
    EXPECT_EQ(caption(*t, ctl::Raise), "290");
    click(*t, ctl::Raise);  // the human's raise: seat 10 closes; seat 2 calls at once
    EXPECT_EQ(t->raiservalue, 2);
    EXPECT_EQ(t->flopshower, 10);
    EXPECT_EQ(t->seat(1).totalbet, 290);
    EXPECT_EQ(t->seat(2).totalbet, 290);
    ticks(*t, 4);  // seats 3 … 6: seat 6 raises a third time, 20 to call + 730 / 4 = 202.5
    EXPECT_EQ(t->seat(6).totalbet, 270 + 202);
    EXPECT_EQ(t->raiservalue, 3);
    EXPECT_EQ(t->flopshower, 10);  // the third raise leaves the closer
    EXPECT_FALSE(t->postflop1);
    // Every seat now passes at once, still deciding, until seat 10 closes the round.
    ticks(*t);
    EXPECT_TRUE(t->postflop1);
    EXPECT_EQ(t->raiservalue, 0);
    EXPECT_EQ(t->seat(9).prize, 1000 - 472);
    EXPECT_EQ(t->focuser, 10);
}

TEST(ClosingSeats, AFoldedCloserStillClosesTheRound) {
    auto t = game_with_dealer(3);
    set_standings(*t, {3, 3, 3, 3, 5, 3, 3, 3, 3, 3});
    ticks(*t, 6);  // seats 6 … 10, then the human
    click(*t, ctl::Call);
    ticks(*t, 2);  // seats 3, 4
    EXPECT_FALSE(t->postflop1);
    ticks(*t);  // seat 5, the big blind, folds and closes the round
    EXPECT_TRUE(t->seat(5).fold);
    EXPECT_TRUE(t->postflop1);
    EXPECT_EQ(t->pot, 20 * 10);  // the big blind's chips stay in
}

TEST(Streets, EachStreetRevealsItsDeckPositions) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ticks(*t, 6);
    click(*t, ctl::Call);
    ticks(*t, 3);
    ASSERT_TRUE(t->postflop1);
    EXPECT_FALSE(visible(*t, ctl::rank_line));
    for (int street = 2; street <= 3; ++street) {
        for (int guard = 0; guard < 20 && !(street == 2 ? t->postflop2 : t->postflop3); ++guard) {
            if (visible(*t, ctl::Check))
                click(*t, ctl::Check);
            else
                ticks(*t);
        }
        const int board_index = street + 2;
        EXPECT_TRUE(visible(*t, ctl::board_card(board_index)));
        EXPECT_EQ(t->controls[ctl::board_card(board_index)].cell, t->deck[19 + board_index]);
        EXPECT_EQ(convert2card(t->deck[19 + board_index]),
                  board_index == 4 ? t->seat(7).flop4 : t->seat(7).flop5);
    }
    std::vector<int> pot_chips;
    for (int i = 60; i <= 90; ++i)
        pot_chips.push_back(visible(*t, ctl::backchips(i)));
    EXPECT_EQ(std::count(pot_chips.begin(), pot_chips.end(), 1), 31);
}

}  // namespace
}  // namespace holdem
