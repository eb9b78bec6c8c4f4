// The standard players: their committed tables are what the tool works out, and at the table
// they never fold a free check, never bet below the least bet and move only as the rules allow,
// each style playing its share of hands.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "sim/all_in_value.h"
#include "sim/reference_player.h"
#include "sim/runner.h"
#include "standard/opponents/equity.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/player.h"
#include "standard/opponents/preflop_equity.h"
#include "standard/opponents/push_fold.h"

namespace holdem::standard {
namespace {

TEST(Opponents, ClassesNameEveryStartingHandOnce) {
    EXPECT_EQ(hand_class_name(hand_class(card_code(14, 0), card_code(14, 1))), "AA");
    EXPECT_EQ(hand_class_name(hand_class(card_code(13, 2), card_code(14, 2))), "AKs");
    EXPECT_EQ(hand_class_name(hand_class(card_code(7, 0), card_code(2, 3))), "72o");
    int combos = 0;
    for (int c = 0; c < hand_classes; ++c)
        combos += hand_class_combos(c);
    EXPECT_EQ(combos, 1326);
    EXPECT_DOUBLE_EQ(hand_percentile(hand_class(card_code(14, 0), card_code(14, 1))), 6 / 1326.0);
    EXPECT_EQ(hand_class_at(0), hand_class(card_code(14, 0), card_code(14, 1)));
    EXPECT_DOUBLE_EQ(hand_percentile(hand_class_at(1325)), 1.0);
}

// A sample of the equity table, worked out again as the tool works it out.
TEST(Opponents, ThePreflopEquityTableIsWhatTheToolWorksOut) {
    for (int opponents = 1; opponents <= 9; ++opponents) {
        const int c = (opponents * 37) % hand_classes;
        EXPECT_EQ(preflop_equity_table[static_cast<std::size_t>(opponents - 1)]
                                      [static_cast<std::size_t>(c)],
                  work_out_preflop_equity(c, opponents, preflop_deals,
                                          static_cast<std::uint64_t>(opponents * 1000 + c)))
            << hand_class_name(c) << " against " << opponents;
    }
    // Aces are the best hand against any number of hands, and lose value as hands are added.
    const int aces = hand_class(card_code(14, 0), card_code(14, 1));
    EXPECT_NEAR(preflop_equity(aces, 1), 0.852, 0.01);
    for (int n = 2; n <= 9; ++n)
        EXPECT_LT(preflop_equity(aces, n), preflop_equity(aces, n - 1));
}

TEST(Opponents, ThePushFoldTableIsWhatTheToolWorksOut) {
#ifndef NDEBUG
    GTEST_SKIP() << "worked out in the optimised build";
#endif
    EXPECT_TRUE(work_out_push_fold(push_fold_deals) == push_fold_table);
}

// A bet after the flop is read as made with what hit the board: the made hands stand in order,
// and top pair is worth less against a seat that bet twice than against its starting hands.
TEST(Opponents, ABettorsLikelyHandIsTheBestOnTheBoardOfSeveral) {
    auto c = [](int rank, int suit) { return card_code(rank, suit); };
    const std::vector<CardCode> flop{c(13, 0), c(8, 1), c(3, 1)};
    const std::array<std::array<CardCode, 2>, 7> ordered = {{
        {c(2, 3), c(5, 3)},    // nothing
        {c(6, 1), c(4, 1)},    // a flush draw
        {c(8, 2), c(12, 3)},   // middle pair
        {c(13, 2), c(12, 3)},  // top pair
        {c(14, 0), c(14, 1)},  // an overpair
        {c(13, 3), c(8, 3)},   // two pair
        {c(3, 0), c(3, 3)},    // a set
    }};
    for (std::size_t i = 1; i < ordered.size(); ++i)
        EXPECT_LT(board_standing(ordered[i - 1], flop), board_standing(ordered[i], flop)) << i;
    Draws a{7}, b{7};
    const std::array<CardCode, 2> top_pair = ordered[3];
    const std::vector<LikelyRange> called{{0.4, 1}}, bet_twice{{0.4, 3}};
    EXPECT_GT(equity_against_ranges(top_pair, flop, called, 4000, a),
              equity_against_ranges(top_pair, flop, bet_twice, 4000, b) + 0.1);
}

TEST(Opponents, TheyPlayOnlyLegalMovesAndEachStyleItsShare) {
    sim::RunOptions options;
    options.standard_rules = true;
    options.tournaments = 40;
    options.seed = 11;
    options.policy = sim::PolicyKind::tag;
    options.options.levels = Levels::by_hands;
    const sim::RunSummary run = sim::run_simulation(options);
    ASSERT_FALSE(run.violation) << *run.violation;
    const sim::OpponentCounts& o = run.opponents;
    EXPECT_GT(o.decisions, 5000u);
    EXPECT_EQ(o.folds_when_free, 0u);
    EXPECT_EQ(o.below_minimum, 0u);
    EXPECT_EQ(o.illegal, 0u);
    auto share = [&](std::uint64_t part, int style) {
        return static_cast<double>(part) /
               static_cast<double>(o.dealt[static_cast<std::size_t>(style)]);
    };
    for (int style = 0; style < 4; ++style) {
        const StyleBand band = style_band(static_cast<Style>(style));
        const double vpip = share(o.voluntary[static_cast<std::size_t>(style)], style);
        const double pfr = share(o.raised[static_cast<std::size_t>(style)], style);
        EXPECT_TRUE(vpip >= band.vpip_low && vpip <= band.vpip_high) << style << ": " << vpip;
        EXPECT_TRUE(pfr >= band.pfr_low && pfr <= band.pfr_high) << style << ": " << pfr;
    }
    // Tight styles play fewer hands than loose ones; aggressive ones raise more than passive.
    EXPECT_LT(share(o.voluntary[0], 0), share(o.voluntary[2], 2));
    EXPECT_LT(share(o.voluntary[1], 1), share(o.voluntary[3], 3));
    EXPECT_LT(share(o.raised[0], 0), share(o.raised[1], 1));
    EXPECT_LT(share(o.raised[2], 2), share(o.raised[3], 3));
}

// The reference player weighs its stack by how long folding would keep it in: the blinds come
// round once an orbit, rise along the schedule every ten hands, and the stack goes in the hand
// whose blind it cannot cover.
TEST(Opponents, TheReferencePlayerCountsTheHandsAFoldedStackLasts) {
    // 1000 chips from the first hand, big blind now: 970, 895, 745, 445 after each level's
    // blinds, and 500/1000 takes the rest at the fifth level's big blind.
    EXPECT_EQ(sim::hands_folding_lasts(10, 10, 1000, 0, 10), 40);
    EXPECT_EQ(sim::hands_folding_lasts(500, 10, 445, 0, 10), 0);
    EXPECT_EQ(sim::hands_folding_lasts(500, 10, 1000, 0, 10), 0);  // all in with the blind
    // The level rises before the big blind comes round.
    EXPECT_EQ(sim::hands_folding_lasts(100, 1, 300, 1, 10), 1);
    EXPECT_EQ(sim::hands_folding_lasts(100, 2, 300, 1, 10), 2);  // 200, then 500 of 100
    // Heads-up the blinds alternate every hand.
    EXPECT_EQ(sim::hands_folding_lasts(10, 10, 100, 0, 2), 6);
}

// An all in is weighed against the hands the other seats may hold, never the ones they hold:
// aces are worth more than seven-deuce, the real cards of the others change nothing and are
// there again afterwards, and the same seed weighs the same.
TEST(Opponents, AnAllInIsWeighedWithoutSeeingTheOtherHands) {
    Table t(std::make_unique<SeededRandom>(3));
    t.limits = 50;
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).Active = k <= 4;
    t.seat(2).style = 1;
    t.seat(3).style = 2;
    auto hold = [&](int seat, CardCode a, CardCode b) {
        t.seat(seat).cardone = a;
        t.seat(seat).cardtwo = b;
    };
    auto worth_of = [&](CardCode a, CardCode b) {
        hold(1, a, b);
        // Four seats of 1,000 chips (10 big blinds), seat 1 first to act.
        const HandState hand({{1, 1000}, {2, 1000}, {3, 1000}, {4, 1000}}, 2, 50, 100);
        EXPECT_EQ(hand.to_act(), 1);
        const sim::StackWorth chips = [](double c) { return c; };
        return sim::all_in_worth(t, hand, HandReads{}, {Move::raise, 1000}, chips, 400, 5);
    };
    hold(2, card_code(14, 2), card_code(14, 3));
    hold(3, card_code(13, 2), card_code(13, 3));
    hold(4, card_code(12, 2), card_code(12, 3));
    const double aces = worth_of(card_code(14, 0), card_code(14, 1));
    EXPECT_EQ(t.seat(2).cardone, card_code(14, 2));
    EXPECT_EQ(t.seat(4).cardtwo, card_code(12, 3));
    hold(2, card_code(7, 2), card_code(2, 3));
    hold(3, card_code(8, 2), card_code(3, 3));
    hold(4, card_code(9, 2), card_code(4, 3));
    EXPECT_DOUBLE_EQ(worth_of(card_code(14, 0), card_code(14, 1)), aces);
    const double seven_deuce = worth_of(card_code(7, 0), card_code(2, 1));
    // Aces win chips all in against any answers; seven-deuce wins less, and never more than
    // every stack at the table.
    EXPECT_GT(aces, 1150);
    EXPECT_LT(seven_deuce, aces - 100);
    EXPECT_GE(seven_deuce, 0);
    EXPECT_LE(aces, 4000);
}

// What a seat is read to hold after a move before the flop is what its style plays: over every
// starting hand, the share each style opens from the cutoff, limps there, re-raises such an
// open from the button and calls it there matches the range the reference player samples.
TEST(Opponents, ThePreflopRangesAreWhatEachStylePlays) {
    Table t(std::make_unique<SeededRandom>(5));
    t.limits = 50;
    std::vector<SeatStart> seats;
    for (int k = 1; k <= seat_count; ++k) {
        t.seat(k).Active = true;
        seats.push_back({k, 10000});
    }
    // The button at seat 10: seats 3 to 8 fold, and the cutoff (seat 9) is first in.
    HandState first_in(seats, 10, 50, 100);
    for (int k = 3; k <= 8; ++k)
        ASSERT_TRUE(first_in.act(Move::fold));
    ASSERT_EQ(first_in.to_act(), 9);
    HandState facing_open = first_in;
    HandReads open_reads;
    ASSERT_TRUE(facing_open.act(Move::raise, 250));
    read_move(open_reads, 9, Move::raise, true);
    struct Shares {
        double raised = 0, called = 0;
    };
    auto shares_of = [&](Style style, const HandState& hand, const HandReads& reads) {
        const int me = hand.to_act();
        Shares s;
        for (int c = 0; c < hand_classes; ++c) {
            Draws draws{static_cast<std::uint64_t>(c) + 1};
            const std::array<CardCode, 2> cards = cards_of_class(c, 0, draws);
            t.seat(me).cardone = cards[0];
            t.seat(me).cardtwo = cards[1];
            // The mixed choices (the bluffs) averaged over several seeds.
            for (std::uint64_t seed = 1; seed <= 8; ++seed) {
                const Decision d =
                    player_decision(t, hand, reads, style, Difficulty::normal, seed * 977 + c);
                const double weight = hand_class_combos(c) / 1326.0 / 8;
                if (d.move == Move::raise) s.raised += weight;
                if (d.move == Move::call) s.called += weight;
            }
        }
        return s;
    };
    for (int style = 0; style < styles; ++style) {
        const auto st = static_cast<Style>(style);
        t.seat(9).style = t.seat(10).style = static_cast<std::int16_t>(style);
        const double cutoff = dealt_position(t, first_in, 9);
        const double button = dealt_position(t, facing_open, 10);
        EXPECT_DOUBLE_EQ(cutoff, 1.45);
        EXPECT_DOUBLE_EQ(button, 1.45);  // the button acts last after the flop
        const Shares open = shares_of(st, first_in, HandReads{});
        const PreflopRange opens =
            preflop_range(st, Difficulty::normal, PreflopMove::open_raise, 0, cutoff);
        const PreflopRange limps =
            preflop_range(st, Difficulty::normal, PreflopMove::limp, 0, cutoff);
        EXPECT_NEAR(open.raised, opens.to, 0.02) << style_name(st);
        // The aggressive styles raise or fold when first in; they limp only behind limpers.
        const bool aggressive = st == Style::tight_aggressive || st == Style::loose_aggressive;
        EXPECT_NEAR(open.called, aggressive ? 0.0 : limps.to - limps.from, 0.02) << style_name(st);
        const Shares answer = shares_of(st, facing_open, open_reads);
        const PreflopRange reraises =
            preflop_range(st, Difficulty::normal, PreflopMove::reraise, 1, button);
        const PreflopRange calls =
            preflop_range(st, Difficulty::normal, PreflopMove::call_raise, 1, button);
        EXPECT_NEAR(answer.raised * (1.0 - reraises.scattered), reraises.to, 0.02)
            << style_name(st);
        EXPECT_NEAR(answer.called, calls.to - calls.from, 0.03) << style_name(st);
    }
}

// A table of a field of 1,000 under the regular levels, four seats of 200 big blinds, the
// button seat 1 played by the reference player; moves are read as the table reads them.
class FieldReference : public ::testing::Test {
  protected:
    FieldReference() : t(std::make_unique<SeededRandom>(5)) {
        t.limits = 50;
        t.field_left = 900;
        t.options.structure = StructureKind::regular;
        t.options.entrants = 1000;
        for (int k = 1; k <= seat_count; ++k)
            t.seat(k).Active = k <= 4;
        hand.emplace(std::vector<SeatStart>{{1, 20000}, {2, 20000}, {3, 20000}, {4, 20000}}, 1, 50,
                     100);
    }
    void hold(int seat, CardCode a, CardCode b) {
        t.seat(seat).cardone = a;
        t.seat(seat).cardtwo = b;
    }
    void play(Move move, Chips to = 0) {
        const int seat = hand->to_act();
        ASSERT_TRUE(hand->act(move, to)) << seat;
        read_move(reads, seat, move, hand->round() == Round::preflop);
    }
    Decision reference() { return sim::reference_decision(t, *hand, reads, 9); }
    Table t;
    std::optional<HandState> hand;
    HandReads reads;
};

// Kings all in for 200 big blinds over a raise are called only by aces or kings: they re-raise
// to three times the raise and give it up to a large re-raise, where aces go on.
TEST_F(FieldReference, DeepKingsReRaiseSmallAndFoldToALargeReRaise) {
    hold(1, card_code(13, 0), card_code(13, 1));
    play(Move::raise, 300);  // seat 4, first to act
    const Decision three_bet = reference();
    EXPECT_EQ(three_bet.move, Move::raise);
    EXPECT_EQ(three_bet.to, 900);
    play(three_bet.move, three_bet.to);
    play(Move::fold);
    play(Move::fold);
    play(Move::raise, 6000);
    EXPECT_EQ(reference().move, Move::fold);
    hold(1, card_code(14, 0), card_code(14, 1));
    const Decision aces = reference();
    EXPECT_TRUE(aces.move == Move::call || (aces.move == Move::raise && aces.to == 20000));
}

// After the flop in a field the reference player bets and raises for value only: with nothing
// it checks when checked to and folds to a bet of the pot; with the nut straight it bets, and
// raises a bet.
TEST_F(FieldReference, BetsAndRaisesAreForValueOnly) {
    const CardCode board[] = {card_code(14, 2), card_code(13, 3), card_code(11, 3), card_code(4, 1),
                              card_code(3, 2)};
    for (int i = 0; i < 5; ++i)
        t.deck[deck_pos::board(i + 1)] = board[i];
    for (int k = 2; k <= 4; ++k)
        hold(k, card_code(9 + k, 0), card_code(9 + k, 1));
    const std::array<CardCode, 2> nothing = {card_code(7, 1), card_code(2, 3)};
    const std::array<CardCode, 2> straight = {card_code(12, 3), card_code(10, 2)};
    // Seat 4 limps, seat 1 raises, the big blind and seat 4 call; the flop is checked through.
    play(Move::call);        // seat 4
    play(Move::raise, 300);  // seat 1
    play(Move::fold);        // seat 2
    play(Move::call);
    play(Move::call);
    auto next_street = [&](bool& shown) {
        shown = true;
        reads.raises_now = 0;
        play(Move::check);  // seat 3
    };
    next_street(t.postflop1);
    play(Move::check);
    play(Move::check);
    next_street(t.postflop2);
    play(Move::check);
    hold(1, nothing[0], nothing[1]);
    EXPECT_EQ(reference().move, Move::check);
    hold(1, straight[0], straight[1]);
    EXPECT_EQ(reference().move, Move::bet);
    play(Move::check);
    next_street(t.postflop3);
    play(Move::bet, hand->pot());  // seat 4
    hold(1, nothing[0], nothing[1]);
    EXPECT_EQ(reference().move, Move::fold);
    hold(1, straight[0], straight[1]);
    EXPECT_EQ(reference().move, Move::raise);
}

}  // namespace
}  // namespace holdem::standard
