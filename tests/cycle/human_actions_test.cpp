#include "cycle/human_actions.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

// Dealer seat 3, every computer seat calls; the human's turn comes after six ticks. `before_turn`
// may change the table just before the human's turn opens.
template <typename Change>
std::unique_ptr<Table> at_human_turn(Change&& before_turn) {
    auto t = game_with_dealer(3);
    set_standings(*t, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ticks(*t, 5);
    before_turn(*t);
    ticks(*t);
    EXPECT_EQ(focus_name(*t), visible(*t, ctl::Call) ? "Command5" : "Command7");
    return t;
}
std::unique_ptr<Table> at_human_turn() {
    return at_human_turn([](Table&) {});
}

void type(Table& t, const std::string& text) {
    for (char c : text)
        press_key(t, c);
}

TEST(HumanTurn, OpensThePanelWithTheAmounts) {
    auto t = at_human_turn();
    for (ControlId id :
         {ctl::Call, ctl::Raise, ctl::Fold, ctl::BetIt, ctl::Text2, ctl::action_frame})
        EXPECT_TRUE(visible(*t, id)) << control_name(id);
    EXPECT_FALSE(visible(*t, ctl::Check));
    EXPECT_EQ(caption(*t, ctl::Call), " 20");
    EXPECT_EQ(caption(*t, ctl::Raise), "40");
    EXPECT_EQ(t->controls[ctl::highlight(1)].back_colour, colours::highlight);
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
}

TEST(HumanTurn, NothingToCallShowsCheckWhichTakesTheFocus) {
    auto t = at_human_turn([](Table& t) { t.seat(1).totalbet = 20; });
    EXPECT_EQ(caption(*t, ctl::Call), " 0");
    EXPECT_EQ(caption(*t, ctl::Raise), "20");
    EXPECT_TRUE(visible(*t, ctl::Check));
    EXPECT_FALSE(visible(*t, ctl::Call));
    EXPECT_EQ(focus_name(*t), "Command7");
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
    run_until(*t, t->loop.now() + 60000);
    EXPECT_EQ(focus_name(*t), "Command7");
    click(*t, ctl::Check);
    EXPECT_EQ(t->focuser, 2);  // seat 2 has had its turn
    EXPECT_FALSE(visible(*t, ctl::Fold));
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_EQ(t->controls[ctl::highlight(1)].back_colour, colours::idle);
}

TEST(HumanActions, CallPutsInTheAmountOrTheWholeStack) {
    auto t = at_human_turn();
    const Chips pot = t->pot;
    click(*t, ctl::Call);
    EXPECT_EQ(t->seat(1).prize, 980);
    EXPECT_EQ(caption(*t, ctl::stack_label(1)), " 980");
    EXPECT_EQ(caption(*t, ctl::chiplabel(1)), " 20");
    EXPECT_EQ(t->pot, pot + 20 + 20);  // the human, then seat 2 at once

    auto u = at_human_turn([](Table& t) { t.seat(1).prize = 15; });
    click(*u, ctl::Call);
    EXPECT_EQ(u->seat(1).prize, 0);
    EXPECT_TRUE(u->seat(1).allin);
    EXPECT_EQ(caption(*u, ctl::stack_label(1)), "All in");
    EXPECT_EQ(u->seat(1).totalbet, 15);
    EXPECT_EQ(u->currentbet, 20);
}

TEST(HumanActions, RaiseAddsTwoBlindUnitsAndAShortStackGoesAllIn) {
    auto t = at_human_turn();
    click(*t, ctl::Raise);
    EXPECT_EQ(t->seat(1).totalbet, 40);
    EXPECT_EQ(t->flopshower, 10);
    EXPECT_EQ(t->seat(2).totalbet, 40);  // seat 2 called the raise at once

    auto u = at_human_turn([](Table& t) { t.seat(1).prize = 30; });
    click(*u, ctl::Raise);
    EXPECT_EQ(u->seat(1).totalbet, 30);
    EXPECT_EQ(u->seat(1).prize, 0);
    EXPECT_EQ(caption(*u, ctl::stack_label(1)), "All in");
    EXPECT_EQ(u->seat(2).totalbet, 30);  // currentbet rose to the human's 30
}

TEST(HumanActions, BetItAddsTheTypedAmountToTheCall) {
    auto t = at_human_turn([](Table& t) { t.currentbet = 40; });
    EXPECT_EQ(caption(*t, ctl::Call), " 40");
    EXPECT_EQ(caption(*t, ctl::Raise), "60");
    type(*t, "50");
    click(*t, ctl::BetIt);  // 50 is below a standard raise: nothing happens
    EXPECT_TRUE(visible(*t, ctl::BetIt));
    EXPECT_EQ(t->seat(1).totalbet, 0);
    EXPECT_EQ(caption(*t, ctl::Text2), "50");
    set_amount_text(*t, "150");
    click(*t, ctl::BetIt);
    EXPECT_EQ(t->seat(1).totalbet, 190);
    EXPECT_EQ(t->seat(1).prize, 810);
    EXPECT_FALSE(visible(*t, ctl::BetIt));
    EXPECT_EQ(caption(*t, ctl::Text2), "");
    EXPECT_EQ(t->raiservalue, 1);
}

TEST(HumanActions, BetItRoundsHalvesToEvenAndJunkBetsTheCall) {
    auto t = at_human_turn([](Table& t) { t.seat(1).totalbet = 20; });
    set_amount_text(*t, "20.5");
    click(*t, ctl::BetIt);
    EXPECT_EQ(t->seat(1).totalbet, 40);  // 20 + 0 to call + 20

    auto u = at_human_turn();
    set_amount_text(*u, "300x");  // reads 300, is no number: the call alone goes in
    click(*u, ctl::BetIt);
    EXPECT_EQ(u->seat(1).totalbet, 20);
    EXPECT_EQ(u->raiservalue, 1);

    for (const char* rejected : {"", "-500", "abc", "39"}) {
        auto v = at_human_turn();
        set_amount_text(*v, rejected);
        click(*v, ctl::BetIt);
        EXPECT_EQ(v->seat(1).totalbet, 0) << rejected;
        EXPECT_TRUE(visible(*v, ctl::BetIt)) << rejected;
    }
}

TEST(HumanActions, EnterInTheAmountBoxIsBetIt) {
    auto t = at_human_turn();
    type(*t, "12");
    press_key(*t, 13);  // 12 is below the raise of 40: nothing
    EXPECT_EQ(t->seat(1).totalbet, 0);
    EXPECT_EQ(caption(*t, ctl::Text2), "12");
    press_key(*t, 8);
    press_key(*t, 8);
    type(*t, "100");
    EXPECT_EQ(caption(*t, ctl::Text2), "100");
    EXPECT_EQ(t->seat(1).totalbet, 0);
    press_key(*t, 13);
    EXPECT_EQ(t->seat(1).totalbet, 120);
    EXPECT_FALSE(visible(*t, ctl::Text2));
    EXPECT_EQ(t->focuser, 2);
}

TEST(HumanActions, FoldHidesTheCardsAndHandsOn) {
    auto t = at_human_turn();
    click(*t, ctl::Fold);
    EXPECT_TRUE(t->seat(1).fold);
    EXPECT_FALSE(visible(*t, ctl::first_card(1)));
    EXPECT_FALSE(visible(*t, ctl::second_card(1)));
    EXPECT_EQ(t->seat(1).totalbet, 0);
    EXPECT_EQ(t->focuser, 2);

    auto u = at_human_turn();
    u->gameover = true;
    Command8_Click(*u);
    EXPECT_FALSE(visible(*u, ctl::Fold));
    EXPECT_FALSE(visible(*u, ctl::first_card(1)));
    settle(*u);
    EXPECT_EQ(focus_name(*u), "Command5");  // the turn was not handed on
}

TEST(HumanActions, CheckClosingTheRiverStartsTheShowdownAndHandsNothingOn) {
    auto t = at_human_turn([](Table& t) { t.seat(1).totalbet = 20; });
    t->postflop1 = t->postflop2 = t->postflop3 = true;
    t->flopshower3 = 1;
    const std::uint64_t showdowns = t->showdowns;
    click(*t, ctl::Check);
    EXPECT_TRUE(t->gameover);
    EXPECT_EQ(t->showdowns, showdowns + 1);
    EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::Timer1));
    EXPECT_NE(focus_name(*t), "Picture3");
}

TEST(HumanActions, AFoldClosingTheRiverIsNeitherShownNorPaid) {
    auto t = at_human_turn([](Table& t) { t.seat(1).totalbet = 20; });
    set_standings(*t, {1, 3, 2, 3, 3, 3, 3, 3, 3, 3});
    t->postflop1 = t->postflop2 = t->postflop3 = true;
    t->flopshower3 = 1;
    const Chips human = t->seat(1).prize, third = t->seat(3).prize, pot = t->pot;
    int shown = 0;
    struct Shown final : TableObserver {
        int& n;
        explicit Shown(int& n) : n(n) {}
        void hand_shown(const Table&, int seat) override { n += seat == human_seat; }
    } watcher(shown);
    t->observers.push_back(&watcher);
    click(*t, ctl::Fold);
    EXPECT_TRUE(t->gameover);
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(visible(*t, ctl::first_card(1)));
    EXPECT_EQ(t->seat(1).prize, human);
    EXPECT_EQ(t->seat(3).prize, third + pot);  // the best hand still in
    t->observers.clear();
}

TEST(HumanActions, SitOutAsksForTheNextHandAndCannotBeTakenBack) {
    auto t = at_human_turn();
    click(*t, ctl::SitOut);
    EXPECT_EQ(t->sitter, 1);
    EXPECT_EQ(t->controls[ctl::SitOut].back_colour, colours::red);
    click(*t, ctl::SitOut);
    EXPECT_EQ(t->sitter, 1);  // the same request until the next hand applies it
    EXPECT_FALSE(t->seat(1).sittingout);
    t->seat(1).sittingout = true;
    click(*t, ctl::SitOut);
    EXPECT_EQ(t->sitter, 0);
    EXPECT_EQ(t->controls[ctl::SitOut].back_colour, colours::yellow);
}

TEST(HumanTurn, SitOutOrARefusedBetLeavesTheClockStoppedUntilAnAction) {
    for (ControlId away : {ctl::SitOut, ctl::BetIt}) {
        auto t = at_human_turn();
        const std::int16_t countdown = t->limittimersetting;
        if (away == ctl::BetIt) set_amount_text(*t, "5");  // less than a raise: refused
        click(*t, away);
        run_until(*t, t->loop.now() + 60000);
        EXPECT_EQ(t->limittimersetting, countdown) << control_name(away);
        EXPECT_FALSE(t->loop.timer_enabled(TimerId::roundtimer));
        EXPECT_EQ(t->controls[ctl::highlight(1)].back_colour, colours::highlight);
        EXPECT_TRUE(visible(*t, ctl::Fold));

        // The action that closes the panel hands the turn on and starts the clock again.
        set_amount_text(*t, "100");
        click(*t, ctl::BetIt);
        EXPECT_EQ(t->seat(1).totalbet, 120);
        EXPECT_TRUE(t->loop.timer_enabled(TimerId::roundtimer));
        EXPECT_EQ(t->controls[ctl::highlight(1)].back_colour, colours::idle);
        ticks(*t);
        EXPECT_EQ(t->focuser, 3);  // seats 2 and 3 have had their turns
    }
}

TEST(HumanActions, ExitEndsTheGameAtOnce) {
    auto t = at_human_turn();
    std::optional<GameEnd> told;
    t->on_game_end = [&](GameEnd why) { told = why; };
    click(*t, ctl::Exit);
    EXPECT_EQ(t->ended, GameEnd::Exit);
    EXPECT_EQ(told, GameEnd::Exit);
    EXPECT_EQ(t->loop.next_deadline(), std::nullopt);
    click(*t, ctl::Call);
    EXPECT_EQ(t->seat(1).totalbet, 0);
}

TEST(HumanActions, HiddenButtonsAndOtherControlsIgnoreClicks) {
    auto t = game_with_dealer(3);
    const Chips total = stacks_and_pot(*t);
    for (ControlId id : {ctl::Call, ctl::Raise, ctl::Check, ctl::Fold, ctl::BetIt, ctl::Command(1),
                         ctl::Command(4), ctl::focus_box(4), ctl::Label(13), ctl::Text2})
        click(*t, id);
    press_key(*t, '5');
    press_key(*t, 13);
    EXPECT_EQ(stacks_and_pot(*t), total);
    EXPECT_EQ(t->seat(1).totalbet, 0);
    EXPECT_EQ(caption(*t, ctl::Text2), "");
}

}  // namespace
}  // namespace holdem
