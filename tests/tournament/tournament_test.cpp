// The tournament beside the rule sets: the structures' tables, the payouts, the chip model of
// prizes against hand-worked and brute-force values, and the field's seating, busts, breaking
// and balancing as tournament directors run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

#include "standard/opponents/prize_pressure.h"
#include "tournament/field.h"
#include "tournament/icm.h"

namespace holdem::tournament {
namespace {

TEST(Structures, EachRisesGentlyFromItsStartingStack) {
    for (int k = 0; k < structure_kinds; ++k) {
        const Structure& s = structure_of(static_cast<StructureKind>(k));
        SCOPED_TRACE(std::string(s.name));
        EXPECT_EQ(structure_named(name_of(s.kind)), s.kind);
        EXPECT_EQ(s.kind, static_cast<StructureKind>(k));
        Level before = level_at(s, 1);
        int first_ante = 0;
        for (int level = 2; level <= 30; ++level) {
            const Level l = level_at(s, level);
            EXPECT_GT(l.big_blind, before.big_blind) << "level " << level;
            EXPECT_EQ(l.big_blind, 2 * l.small_blind) << "level " << level;
            if (s.kind != StructureKind::classic_clock) {
                EXPECT_LE(l.big_blind * 2, before.big_blind * 3) << "level " << level;
            }
            if (l.ante > 0 && first_ante == 0) first_ante = level;
            before = l;
        }
        if (s.kind == StructureKind::classic_clock) {
            EXPECT_EQ(first_ante, 0);
            EXPECT_EQ(s.hands_per_level, 0);
            continue;
        }
        EXPECT_GE(first_ante, 2);
        EXPECT_LE(first_ante, 3);
        EXPECT_GT(s.hands_per_level, 0);
        EXPECT_GE(s.starting_stack, 50 * level_at(s, 1).big_blind);
    }
    const Structure& regular = structure_of(StructureKind::regular);
    EXPECT_GE(regular.starting_stack, 100 * level_at(regular, 1).big_blind);
    EXPECT_EQ(level_after_hands(regular, 1), 1);
    EXPECT_EQ(level_after_hands(regular, 12), 1);
    EXPECT_EQ(level_after_hands(regular, 13), 2);
}

TEST(Payouts, AboutFifteenPercentPaidTheWinnerMostAndEveryCashAtLeastABuyInAndAHalf) {
    for (int entrants : {4, 6, 10, 27, 100, 1000, 5000}) {
        SCOPED_TRACE(entrants);
        const Payouts p = payouts_for(entrants, 100);
        EXPECT_EQ(p.pool, entrants * 100);
        EXPECT_EQ(std::accumulate(p.prizes.begin(), p.prizes.end(), std::int64_t{0}), p.pool);
        if (entrants >= 100) {
            EXPECT_NEAR(p.paid(), 0.15 * entrants, 1.0);
        }
        for (int place = 1; place <= p.paid(); ++place) {
            EXPECT_GE(p.prize_for(place), 150);
            if (place > 1) {
                EXPECT_LE(p.prize_for(place), p.prize_for(place - 1));
            }
        }
        EXPECT_GT(p.prize_for(1), p.prize_for(2));
        EXPECT_EQ(p.prize_for(p.paid() + 1), 0);
        // Beyond the ninth place, a table's worth of places is paid alike.
        if (p.paid() >= 18) {
            EXPECT_EQ(p.prize_for(10), p.prize_for(18));
        }
    }
    const Payouts sit_and_go = payouts_for(10, 100);
    EXPECT_EQ(sit_and_go.paid(), 3);
    EXPECT_EQ(sit_and_go.prize_for(1), 500);
}

TEST(ChipModel, HandWorkedValuesForTwoAndThreePlayers) {
    const std::vector<double> prizes = {70, 30};
    // Two players: first by the share of the chips, second otherwise.
    const std::vector<double> two = icm_values(std::vector<Chips>{3000, 1000}, prizes);
    EXPECT_NEAR(two[0], 0.75 * 70 + 0.25 * 30, 1e-9);
    EXPECT_NEAR(two[1], 0.25 * 70 + 0.75 * 30, 1e-9);
    // Three players, 50/30/20 of 100: A 5000, B 3000, C 2000 of 10000.
    // P(A first) = .5; P(A second) = .3 * 5/7 + .2 * 5/8 = .339286; A = 50*.5 + 30*.339286.
    const std::vector<double> three =
        icm_values(std::vector<Chips>{5000, 3000, 2000}, std::vector<double>{50, 30, 20});
    EXPECT_NEAR(three[0],
                50 * 0.5 + 30 * (0.3 * 5 / 7.0 + 0.2 * 5 / 8.0) +
                    20 * (1 - 0.5 - (0.3 * 5 / 7.0 + 0.2 * 5 / 8.0)),
                1e-9);
    EXPECT_NEAR(three[0] + three[1] + three[2], 100, 1e-9);
    // A player with no chips is worth nothing; the others share everything.
    const std::vector<double> out =
        icm_values(std::vector<Chips>{0, 10, 10}, std::vector<double>{60, 40});
    EXPECT_EQ(out[0], 0);
    EXPECT_NEAR(out[1], 50, 1e-9);
}

// The extra equity a call for the whole stack needs at a final table: none heads-up, where
// prizes are linear in chips; three equal stacks for 50/30/20, all in against one of the others:
// winning is worth 2/3·50 + 1/3·30 = 43.33 (the loser takes 20), losing 20, from 33.33 now, so
// the call needs 13.33 / 23.33 = 4/7 against the chips' 1/2.
TEST(ChipModel, TheFinalTablePressureOnACallForTheWholeStack) {
    using standard::final_table_pressure;
    const std::vector<double> two = {70, 30}, three = {50, 30, 20};
    EXPECT_NEAR(final_table_pressure(std::vector<Chips>{1000, 1000}, 0, 1000, two), 0, 1e-9);
    EXPECT_NEAR(final_table_pressure(std::vector<Chips>{1000, 1000, 1000}, 0, 1000, three),
                4.0 / 7 - 0.5, 1e-9);
    // A small risk moves prizes almost as chips do; a short stack covered by the rival feels
    // less than a middle stack that the rival can knock out.
    EXPECT_LT(final_table_pressure(std::vector<Chips>{1000, 1000, 1000}, 0, 50, three), 0.02);
    EXPECT_GT(final_table_pressure(std::vector<Chips>{4000, 4000, 500, 500}, 0, 4000,
                                   std::vector<double>{40, 30, 20, 10}),
              final_table_pressure(std::vector<Chips>{4000, 4000, 500, 500}, 2, 500,
                                   std::vector<double>{40, 30, 20, 10}));
}

// Ten players against every finishing order of the first places worked out one by one.
TEST(ChipModel, TenPlayersAgreeWithEveryOrderWorkedOut) {
    const std::vector<Chips> stacks = {9000, 7500, 6000, 5200, 4100, 3300, 2500, 1800, 1200, 400};
    const std::vector<double> prizes = {40, 25, 15, 10, 6, 4};
    const std::vector<double> fast = icm_values(stacks, prizes);
    std::vector<double> slow(stacks.size(), 0.0);
    const double total = std::accumulate(stacks.begin(), stacks.end(), 0.0);
    // Every ordered choice of the first six places.
    std::vector<int> order;
    std::vector<bool> used(stacks.size(), false);
    auto go = [&](auto& self, double chance, double left) -> void {
        if (order.size() == prizes.size()) return;
        for (std::size_t i = 0; i < stacks.size(); ++i) {
            if (used[i]) continue;
            const double p = chance * static_cast<double>(stacks[i]) / left;
            slow[i] += p * prizes[order.size()];
            used[i] = true;
            order.push_back(static_cast<int>(i));
            self(self, p, left - static_cast<double>(stacks[i]));
            order.pop_back();
            used[i] = false;
        }
    };
    go(go, 1.0, total);
    for (std::size_t i = 0; i < stacks.size(); ++i)
        EXPECT_NEAR(fast[i], slow[i], 1e-9) << i;
    // Sampled above ten players: close to the exact value of the same ten with two stacks split.
    std::vector<Chips> twelve = stacks;
    twelve[0] = 4500;
    twelve.push_back(4500);
    twelve.push_back(0);
    const std::vector<double> sampled = icm_values(twelve, prizes);
    EXPECT_NEAR(std::accumulate(sampled.begin(), sampled.end(), 0.0), 100, 1e-6);
    EXPECT_NEAR(sampled[0], sampled[10], 2.0);
    EXPECT_EQ(sampled[11], 0);
}

// A field played with random busts, hand after hand: everyone is seated once, the tables never
// differ by more than one, every bust is placed once and paid by place, the final table holds
// exactly the last ten, and the chips stay what the entrants brought.
TEST(Field, BustsBreakingAndBalancingKeepTheFieldSound) {
    for (int entrants : {10, 100, 1000}) {
        SCOPED_TRACE(entrants);
        Field f(entrants, StructureKind::regular, 77 + static_cast<std::uint64_t>(entrants));
        ASSERT_FALSE(f.check()) << *f.check();
        EXPECT_EQ(static_cast<int>(f.tables().size()), (entrants + 9) / 10);
        std::uint64_t state = 5;
        int hands = 0;
        while (f.players_left() > 1 && hands < 100000) {
            ++hands;
            f.begin_hand();
            // At each table one player may lose everything to another.
            for (int number : f.open_tables()) {
                const FieldTable& t = f.table(number);
                std::vector<int> in;
                for (int s = 1; s <= table_seats; ++s)
                    if (t.seats[static_cast<std::size_t>(s)] >= 0)
                        in.push_back(t.seats[static_cast<std::size_t>(s)]);
                if (in.size() < 2 || splitmix64(state) % 4 != 0) continue;
                const int loser = in[splitmix64(state) % in.size()];
                int winner = in[splitmix64(state) % in.size()];
                if (winner == loser)
                    winner =
                        in[(std::find(in.begin(), in.end(), loser) - in.begin() + 1) % in.size()];
                f.entrant(winner).stack += f.entrant(loser).stack;
                f.entrant(loser).stack = 0;
            }
            const int before = f.players_left();
            const std::vector<int> busts = f.place_busts();
            for (std::size_t k = 1; k < busts.size(); ++k)
                EXPECT_LE(f.entrant(busts[k - 1]).hand_start, f.entrant(busts[k]).hand_start);
            EXPECT_EQ(before - static_cast<int>(busts.size()), f.players_left());
            const std::vector<SeatMove> moves = f.rebalance();
            for (const SeatMove& m : moves)
                EXPECT_NE(m.from_table, m.to_table);
            ASSERT_FALSE(f.check()) << *f.check() << " after hand " << hands;
            const std::vector<int> open = f.open_tables();
            int most = 0, least = table_seats;
            for (int n : open) {
                most = std::max(most, f.table(n).players());
                least = std::min(least, f.table(n).players());
            }
            ASSERT_LE(most - least, 1) << "after hand " << hands;
            EXPECT_EQ(static_cast<int>(open.size()), std::max(1, (f.players_left() + 9) / 10));
            if (f.final_table()) {
                ASSERT_EQ(open, std::vector<int>{1});
                EXPECT_EQ(f.table(1).players(), f.players_left());
            }
        }
        EXPECT_EQ(f.players_left(), 1);
        std::map<int, int> places;
        std::int64_t paid = 0;
        for (const Entrant& e : f.all()) {
            ++places[e.place];
            EXPECT_EQ(e.prize, f.payouts().prize_for(e.place));
            paid += e.prize;
        }
        EXPECT_EQ(static_cast<int>(places.size()), entrants);
        EXPECT_EQ(paid, f.payouts().pool);
    }
}

// A player moved to balance the tables is the one due the big blind next, and takes the empty
// seat that pays the big blind soonest.
TEST(Field, TheBigBlindMovesIntoTheSeatThatPaysItSoonest) {
    Field f(20, StructureKind::regular, 3);
    // Table 2 loses three players: table 1 must give one.
    int lost = 0;
    for (int s = 1; s <= table_seats && lost < 3; ++s) {
        const int e = f.table(2).seats[static_cast<std::size_t>(s)];
        if (e < 0 || f.entrant(e).human) continue;
        f.entrant(f.table(1).seats[1] >= 0 ? f.table(1).seats[1] : f.table(1).seats[2]).stack +=
            f.entrant(e).stack;
        f.entrant(e).stack = 0;
        ++lost;
    }
    f.table(1).button = 4;
    f.table(2).button = 7;
    f.begin_hand();
    f.place_busts();
    const std::vector<SeatMove> moves = f.rebalance();
    ASSERT_EQ(moves.size(), 1u);
    // Table 1 full: the button goes to seat 5, the big blind to seat 7.
    EXPECT_EQ(moves[0].from_table, 1);
    EXPECT_EQ(moves[0].from_seat, 7);
    EXPECT_EQ(moves[0].to_table, 2);
    EXPECT_FALSE(f.check());
}

}  // namespace
}  // namespace holdem::tournament
