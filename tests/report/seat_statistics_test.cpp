#include <gtest/gtest.h>

#include "model/random.h"
#include "report/seat_statistics.h"
#include "report/table_notes.h"
#include "standard/table_game.h"

namespace holdem {
namespace {

// Hands scripted as the table's events: seat 2 limps, seat 3 raises, seat 4 re-raises, seat 5
// folds to a continuation bet.
class Scripted {
  public:
    Scripted() : t(std::make_unique<SeededRandom>(8)) {
        for (int k = 1; k <= seat_count; ++k)
            t.seat(k).caption = "seat " + std::to_string(k);
    }
    void hand() { stats.hand_started(t); }
    void blind(int seat) { stats.blind_posted(seat); }
    void act(int seat, Action action, Chips amount = 0, Chips bet_before = 0, Chips total = 0) {
        stats.action_taken({seat, street, action, amount, total, bet_before});
    }
    void deal(Street s) {
        street = s;
        stats.street_dealt(s);
    }
    const PlayerStatistics& of(int seat) {
        const PlayerStatistics* s = stats.of("seat " + std::to_string(seat));
        EXPECT_NE(s, nullptr) << seat;
        static const PlayerStatistics none;
        return s ? *s : none;
    }

    Table t;
    SeatStatistics stats;
    Street street = Street::preflop;
};

TEST(SeatStatistics, CountsWhatEachSeatDidAgainstHandCountedValues) {
    Scripted s;
    // Hand 1: 2 limps, 3 raises, 4 folds, the blinds fold, 2 calls; the flop: 2 checks, 3 bets
    // (a continuation bet), 2 folds.
    s.hand();
    s.deal(Street::preflop);
    s.blind(5);
    s.blind(6);
    s.act(2, Action::call, 20, 20, 20);
    s.act(3, Action::raise, 80, 20, 80);
    s.act(4, Action::fold);
    s.act(5, Action::fold);
    s.act(6, Action::fold);
    s.act(2, Action::call, 60, 80, 80);
    s.deal(Street::flop);
    s.act(2, Action::check);
    s.act(3, Action::bet, 100, 0, 100);
    s.act(2, Action::fold);
    // Hand 2: 3 raises, 4 re-raises all in, 5 calls all in; 3 folds.
    s.hand();
    s.deal(Street::preflop);
    s.blind(5);
    s.blind(6);
    s.act(2, Action::fold);
    s.act(3, Action::raise, 60, 20, 60);
    s.act(4, Action::all_in, 500, 60, 500);
    s.act(5, Action::all_in, 490, 500, 500);
    s.act(6, Action::fold);
    s.act(3, Action::fold);

    const PlayerStatistics& two = s.of(2);
    EXPECT_EQ(two.hands, 2);
    EXPECT_EQ(two.voluntary, 1);
    EXPECT_EQ(two.preflop_raises, 0);
    EXPECT_EQ(two.three_bet_chances, 1);  // called the raise in hand 1
    EXPECT_EQ(two.three_bets, 0);
    EXPECT_EQ(two.cbet_faced, 1);
    EXPECT_EQ(two.cbet_folds, 1);
    const PlayerStatistics& three = s.of(3);
    EXPECT_EQ(three.voluntary, 2);
    EXPECT_EQ(three.preflop_raises, 2);
    EXPECT_EQ(three.aggressive, 1);
    EXPECT_EQ(three.calls, 0);
    EXPECT_EQ(three.three_bet_chances, 0);  // its own raise was never one to re-raise
    const PlayerStatistics& four = s.of(4);
    EXPECT_EQ(four.hands, 2);
    EXPECT_EQ(four.three_bet_chances, 2);
    EXPECT_EQ(four.three_bets, 1);
    EXPECT_EQ(four.voluntary, 1);
    EXPECT_EQ(four.preflop_raises, 1);
    // Seat 5 posted the small blind twice: in two hands, of its own accord in one.
    const PlayerStatistics& five = s.of(5);
    EXPECT_EQ(five.hands, 2);
    EXPECT_EQ(five.voluntary, 1);
    EXPECT_EQ(five.three_bet_chances, 1);  // hand 2 it faced a re-raise, not a raise
    EXPECT_EQ(s.of(6).voluntary, 0);
    EXPECT_EQ(s.stats.of("nobody"), nullptr);

    EXPECT_EQ(four.line(), "VPIP 50 · PFR 50 · 3B 50 · AF – (2)");
    EXPECT_NE(two.words().find("folds to a continuation bet 100 % (of 1)"), std::string::npos);
}

TEST(SeatStatistics, APlayerIsFollowedByNameWhereverItSits) {
    Scripted s;
    s.hand();
    s.act(4, Action::raise, 60, 20, 60);
    // Next hand the same player sits at seat 7 (moved from another table).
    s.t.seat(7).caption = "seat 4";
    s.t.seat(4).caption = "newcomer";
    s.hand();
    s.act(7, Action::call, 20, 20, 20);
    EXPECT_EQ(s.of(4).hands, 2);
    EXPECT_EQ(s.of(4).voluntary, 2);
    EXPECT_EQ(s.stats.of("newcomer"), nullptr);  // never seen to do anything
}

// A tournament taken up again counts its recorded hands again: every player's figures come
// back exactly as they were when the hands were played.
TEST(SeatStatistics, TheRecordedHandsGiveBackEveryFigure) {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(12));
    t->options.rules = Rules::standard;
    t->options = in_force(t->options);
    standard::TableGame game(*t);
    TableNotes notes;
    std::vector<std::string> lines;
    HandRecorder recorder([&](const std::string& line) { lines.push_back(line); });
    t->observers.push_back(&notes);
    t->observers.push_back(&recorder);
    game.start();
    for (int step = 0; step < 200000 && !t->ended && t->hands_started <= 40; ++step) {
        if (game.human_to_act()) {
            const standard::Legal l = game.hand()->legal();
            game.human_act(l.can_check ? standard::Move::check : standard::Move::fold);
        } else if (auto due = t->loop.next_deadline()) {
            game.run_until(*due);
        }
    }
    ASSERT_GT(lines.size(), 15u);
    SeatStatistics recalled;
    for (const std::string& line : lines) {
        const std::optional<HandRecord> hand = read_record(line);
        ASSERT_TRUE(hand);
        recalled.recall(*hand);
    }
    for (int k = 2; k <= seat_count; ++k) {
        const PlayerStatistics* live = notes.statistics().of(t->seat(k).caption);
        const PlayerStatistics* again = recalled.of(t->seat(k).caption);
        ASSERT_TRUE(live && again) << k;
        EXPECT_EQ(again->line(), live->line());
        EXPECT_EQ(again->words(), live->words());
    }
}

}  // namespace
}  // namespace holdem
