// The standard rules, case by case: seats, stacks, button and actions in; the seat to act, the
// legal amounts, the pots, the winners and the stacks out.
#include "standard/hand_state.h"

#include <gtest/gtest.h>

#include <map>

namespace holdem::standard {
namespace {

struct Step {
    Move move;
    Chips to = 0;
};

struct Case {
    const char* name;
    std::vector<SeatStart> seats;
    int button;
    std::vector<Step> steps;
    int to_act;  // then
    Round round;
    Legal legal = {};                             // checked when somebody is to act
    std::map<int, std::uint64_t> strengths = {};  // settled when given
    std::vector<Chips> pots = {};
    std::map<int, Chips> stacks = {};
    Chips uncalled = 0;
    Chips ante = 0;  // the big blind's
};

std::vector<SeatStart> stacks(std::initializer_list<std::pair<int, Chips>> seats) {
    std::vector<SeatStart> out;
    for (auto [seat, stack] : seats)
        out.push_back({seat, stack, false});
    return out;
}

constexpr Move F = Move::fold, X = Move::check, C = Move::call, B = Move::bet, R = Move::raise;

TEST(StandardRules, TableOfHands) {
    const Case cases[] = {
        {"heads-up: the button posts the small blind and acts first",
         stacks({{1, 1000}, {2, 1000}}),
         1,
         {},
         1,
         Round::preflop,
         {false, true, 10, true, 40, 1000}},
        {"heads-up: the big blind acts first after the flop",
         stacks({{1, 1000}, {2, 1000}}),
         1,
         {{C}, {X}},
         2,
         Round::flop,
         {true, false, 0, true, 20, 980}},
        {"the big blind's option when the pot was only called",
         stacks({{1, 1000}, {2, 1000}, {3, 1000}}),
         1,
         {{C}, {C}},
         3,
         Round::preflop,
         {true, false, 0, true, 40, 1000}},
        {"a full raise reopens the betting",
         stacks({{1, 1000}, {2, 1000}, {3, 1000}}),
         1,
         {{R, 60}, {C}, {R, 100}},
         1,
         Round::preflop,
         {false, true, 40, true, 140, 1000}},
        {"a short all-in does not reopen it for those who acted",
         stacks({{1, 1000}, {2, 1000}, {3, 70}}),
         1,
         {{R, 60}, {C}, {R, 70}},
         1,
         Round::preflop,
         {false, true, 10, false, 0, 0}},
        {"a checked-around round ends after one pass",
         stacks({{1, 1000}, {2, 1000}, {3, 1000}}),
         1,
         {{C}, {C}, {X}, {X}, {X}, {X}},
         2,
         Round::turn,
         {true, false, 0, true, 20, 980}},
        {"a short big blind is all in; the bet to call is the full blind",
         stacks({{1, 1000}, {2, 1000}, {3, 15}}),
         1,
         {},
         1,
         Round::preflop,
         {false, true, 20, true, 40, 1000}},
        {"a sitting-out seat posts and is folded at its turn",
         {{1, 1000, true}, {2, 1000, false}, {3, 1000, false}},
         3,
         {{C}},
         2,
         Round::preflop,
         {true, false, 0, true, 40, 1000}},
        {"all in before the flop: the board runs out",
         stacks({{1, 500}, {2, 500}}),
         1,
         {{R, 500}, {C}},
         0,
         Round::showdown,
         {},
         {{1, 2}, {2, 1}},
         {1000},
         {{1, 1000}, {2, 0}}},
        {"an uncalled bet goes back to its bettor",
         stacks({{1, 1000}, {2, 1000}}),
         1,
         {{R, 100}, {F}},
         0,
         Round::over,
         {},
         {{1, 1}},
         {40},
         {{1, 1020}, {2, 980}},
         80},
        {"three all-ins: two side pots and a split main pot",
         stacks({{1, 100}, {2, 300}, {3, 500}, {4, 500}}),
         4,
         {{R, 500}, {C}, {C}, {C}},
         0,
         Round::showdown,
         {},
         {{1, 9}, {2, 5}, {3, 9}, {4, 1}},
         {400, 600, 400},
         {{1, 200}, {2, 0}, {3, 1200}, {4, 0}}},
        {"a seat the others' all-ins cannot cover gets no turn: its excess goes back",
         stacks({{1, 1000}, {2, 1000}, {3, 5}}),
         1,
         {{F}},
         0,
         Round::showdown,
         {},
         {{2, 1}, {3, 2}},
         {10},
         {{2, 995}, {3, 10}},
         5},
        {"heads-up, the big blind has nothing to answer a short all-in call",
         stacks({{1, 15}, {2, 1000}}),
         1,
         {{C}},
         0,
         Round::showdown,
         {},
         {{1, 2}, {2, 1}},
         {30},
         {{1, 30}, {2, 985}},
         5},
        {"odd chips all go to the first winner left of the button",
         stacks({{1, 35}, {2, 35}, {3, 35}, {4, 35}}),
         4,
         {{R, 35}, {C}, {C}, {C}},
         0,
         Round::showdown,
         {},
         {{1, 5}, {2, 5}, {3, 5}, {4, 1}},
         {140},
         {{1, 48}, {2, 46}, {3, 46}, {4, 0}}},
        {"an odd chip goes to the first winner left of the button",
         stacks({{1, 100}, {2, 100}, {3, 100}}),
         1,
         {{R, 41}, {C}, {C}, {X}, {X}, {X}, {X}, {X}, {X}, {X}, {X}, {X}},
         0,
         Round::showdown,
         {},
         {{1, 7}, {2, 3}, {3, 7}},
         {123},
         {{1, 120}, {2, 59}, {3, 121}}},
        {"the big-blind ante is dead money in the main pot, no part of the big blind's bet",
         stacks({{1, 1000}, {2, 1000}, {3, 1000}}),
         1,
         {{R, 60}, {F}, {F}},
         0,
         Round::over,
         {},
         {{1, 1}},
         {70},
         {{1, 1050}, {2, 990}, {3, 960}},
         40,
         20},
        {"a big blind short of chips posts the ante first and is all in for part of its blind",
         stacks({{1, 1000}, {2, 1000}, {3, 30}}),
         1,
         {{C}, {C}, {X}, {X}, {X}, {X}, {X}, {X}},
         0,
         Round::showdown,
         {},
         {{1, 1}, {2, 1}, {3, 5}},
         {50, 20},
         {{1, 990}, {2, 990}, {3, 50}},
         0,
         20},
        {"a big blind with only the ante is all in for it and may win it back",
         stacks({{1, 1000}, {2, 1000}, {3, 20}}),
         1,
         {{C}, {C}, {X}, {X}, {X}, {X}, {X}, {X}},
         0,
         Round::showdown,
         {},
         {{1, 2}, {2, 1}, {3, 5}},
         {20, 40},
         {{1, 1020}, {2, 980}, {3, 20}},
         0,
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HandState hand(c.seats, c.button, 10, 20, c.ante);
        for (const Step& step : c.steps)
            ASSERT_TRUE(hand.act(step.move, step.to));
        EXPECT_EQ(hand.to_act(), c.to_act);
        EXPECT_EQ(hand.round(), c.round);
        if (c.to_act) {
            const Legal l = hand.legal();
            EXPECT_EQ(l.can_check, c.legal.can_check);
            EXPECT_EQ(l.can_call, c.legal.can_call);
            EXPECT_EQ(l.to_call, c.legal.to_call);
            EXPECT_EQ(l.can_raise, c.legal.can_raise);
            if (l.can_raise) {
                EXPECT_EQ(l.min_to, c.legal.min_to);
                EXPECT_EQ(l.max_to, c.legal.max_to);
            }
        }
        if (c.strengths.empty()) continue;
        const Settlement s = hand.settle([&](int seat) { return c.strengths.at(seat); });
        std::vector<Chips> pots;
        for (const Pot& p : s.pots)
            pots.push_back(p.amount);
        EXPECT_EQ(pots, c.pots);
        EXPECT_EQ(s.uncalled, c.uncalled);
        for (auto [seat, stack] : c.stacks)
            EXPECT_EQ(hand.stack(seat), stack) << "seat " << seat;
    }
}

TEST(StandardRules, MovesOutsideTheRulesAreRefused) {
    HandState hand(stacks({{1, 1000}, {2, 1000}, {3, 1000}}), 1, 10, 20);
    EXPECT_FALSE(hand.act(X));        // a bet of 20 is to be called
    EXPECT_FALSE(hand.act(R, 30));    // below the least raise, 40
    EXPECT_FALSE(hand.act(B, 40));    // a bet stands already: this is a raise
    EXPECT_FALSE(hand.act(R, 1001));  // beyond the stack
    EXPECT_EQ(hand.to_act(), 1);
    EXPECT_EQ(hand.pot(), 30);
    EXPECT_TRUE(hand.act(R, 1000));        // all in
    EXPECT_FALSE(hand.legal().can_raise);  // the next can only call it with the whole stack
    EXPECT_EQ(hand.legal().to_call, 990);
}

TEST(StandardRules, TheRiversAggressorShowsFirstAndLosersMayMuck) {
    HandState hand(stacks({{1, 1000}, {2, 1000}, {3, 1000}}), 1, 10, 20);
    for (Step step :
         std::vector<Step>{{C}, {C}, {X}, {X}, {X}, {X}, {X}, {X}, {X}, {B, 50}, {C}, {C}})
        ASSERT_TRUE(hand.act(step.move, step.to));
    ASSERT_EQ(hand.round(), Round::showdown);
    const Settlement s = hand.settle([](int seat) { return std::uint64_t(seat == 1 ? 9 : seat); });
    EXPECT_EQ(s.show_order, (std::vector<int>{2, 1}));  // seat 2 bet the river
    EXPECT_EQ(s.mucked, (std::vector<int>{3}));
    EXPECT_EQ(hand.stack(1), 1000 - 70 + 210);
}

// Once a seat is all in and the betting is over, every hand still in is shown, the losers'
// and the all-in seat's included; the sitting-out seats folded at their turns are told.
TEST(StandardRules, AllInHandsAreShownFaceUpAndSittingOutFoldsAreTold) {
    HandState hand({{1, 1000, false}, {2, 1000, true}, {3, 100, false}, {4, 1000, false}}, 1, 10,
                   20);
    ASSERT_TRUE(hand.act(R, 100));  // seat 3 all in
    EXPECT_TRUE(hand.take_folded_out().empty());
    ASSERT_TRUE(hand.act(C));  // seat 4
    ASSERT_TRUE(hand.act(C));  // seat 1; seat 2 sits out and is folded at its turn
    const auto folded_out = hand.take_folded_out();
    ASSERT_EQ(folded_out.size(), 1u);
    EXPECT_EQ(folded_out[0].first, 2);
    EXPECT_EQ(folded_out[0].second, Round::preflop);
    for (Step step : std::vector<Step>{{X}, {X}, {X}, {X}, {X}, {X}})
        ASSERT_TRUE(hand.act(step.move, step.to));
    ASSERT_EQ(hand.round(), Round::showdown);
    EXPECT_TRUE(hand.face_up());
    const Settlement s = hand.settle([](int seat) { return std::uint64_t(seat == 4 ? 9 : seat); });
    EXPECT_EQ(s.show_order.size(), 3u);
    EXPECT_TRUE(s.mucked.empty());
}

// A bet that only a short all-in answered goes back as soon as the betting ends, before the
// rest of the board; the settlement still names it, and nothing goes back twice.
TEST(StandardRules, AnUncalledBetGoesBackWhenTheBettingEnds) {
    // The button is all in for 300, the small blind raises all in for 1000, the big blind folds.
    HandState hand(stacks({{1, 300}, {2, 1000}, {3, 1000}}), 1, 10, 20);
    for (Step step : std::vector<Step>{{R, 300}, {R, 1000}, {F}})
        ASSERT_TRUE(hand.act(step.move, step.to));
    ASSERT_EQ(hand.round(), Round::showdown);
    EXPECT_EQ(hand.return_uncalled(), (std::pair<int, Chips>{2, 700}));
    EXPECT_EQ(hand.stack(2), 700);
    EXPECT_EQ(hand.pot(), 300 + 300 + 20);
    EXPECT_EQ(hand.return_uncalled(), (std::pair<int, Chips>{0, 0}));
    const Settlement s = hand.settle([](int seat) { return std::uint64_t(seat == 1 ? 9 : 1); });
    EXPECT_EQ(s.uncalled_seat, 2);
    EXPECT_EQ(s.uncalled, 700);
    EXPECT_EQ(hand.stack(1), 620);
    EXPECT_EQ(hand.stack(2), 700);
}

}  // namespace
}  // namespace holdem::standard

namespace holdem::standard {
namespace {

// Hands played with random legal moves: every hand ends, no chip is made or lost, no stack goes
// below nothing, and only seats still in are paid.
TEST(StandardRules, RandomLegalPlayKeepsEveryChip) {
    std::uint64_t state = 12345;
    auto next = [&](std::uint64_t below) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (state >> 33) % below;
    };
    for (int hand_number = 0; hand_number < 2000; ++hand_number) {
        std::vector<SeatStart> seats;
        Chips total = 0;
        for (int seat = 1; seat <= 10; ++seat) {
            if (next(4) == 0) continue;
            const Chips stack = static_cast<Chips>(1 + next(3000));
            seats.push_back({seat, stack, next(10) == 0});
            total += stack;
        }
        if (seats.size() < 2) continue;
        HandState hand(seats, seats[next(seats.size())].seat, 10, 20);
        for (int moves = 0; hand.to_act() != 0; ++moves) {
            ASSERT_LT(moves, 500);
            const Legal l = hand.legal();
            const auto pick = next(4);
            if (pick == 0 && l.can_raise)
                ASSERT_TRUE(hand.act(hand.current_bet() ? Move::raise : Move::bet,
                                     l.min_to + static_cast<Chips>(next(l.max_to - l.min_to + 1))));
            else if (pick == 1 && l.can_call)
                ASSERT_TRUE(hand.act(Move::fold));
            else
                ASSERT_TRUE(hand.act(l.can_check ? Move::check : Move::call));
        }
        ASSERT_TRUE(hand.round() == Round::showdown || hand.round() == Round::over);
        const Settlement s = hand.settle([&](int seat) { return std::uint64_t(seat * 7 % 5); });
        Chips after = 0;
        for (const SeatStart& seat : seats) {
            ASSERT_GE(hand.stack(seat.seat), 0);
            after += hand.stack(seat.seat);
        }
        ASSERT_EQ(after, total);
        for (const auto& [seat, amount] : s.collected)
            ASSERT_FALSE(hand.folded(seat));
    }
}

}  // namespace
}  // namespace holdem::standard
