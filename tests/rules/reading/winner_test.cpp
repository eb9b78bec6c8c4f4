#include "cycle/showdown.h"
#include "rules/reading/standings.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

std::array<int, 10> standings(Table& t, std::array<std::int32_t, 10> numbers) {
    for (int k = 1; k <= 10; ++k) {
        t.seat(k).handrank = 0;
        t.seat(k).caption = "seat" + std::to_string(k);
        t.seat(k).handvalue = "hand" + std::to_string(k);
    }
    t.numberofwinners = 0;
    evaluate_ultimate_winner(t, numbers);
    std::array<int, 10> ranks;
    for (int k = 1; k <= 10; ++k)
        ranks[k - 1] = t.seat(k).handrank;
    return ranks;
}

TEST(Standings, FourDistinctNumbersThenFive) {
    auto t = seeded_table();
    EXPECT_EQ(standings(*t, {212, 212, 504, 101, 101, 101, 101, 101, 101, 101}),
              (std::array<int, 10>{2, 2, 1, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(t->numberofwinners, 1);
    EXPECT_EQ(caption(*t, ctl::winnerlabel), "seat3 hand3");

    EXPECT_EQ(standings(*t, {300, 500, 100, 200, 400, 150, 250, 110, 120, 130}),
              (std::array<int, 10>{3, 1, 5, 5, 2, 5, 4, 5, 5, 5}));

    // The second best is found whichever seat holds the best.
    EXPECT_EQ(standings(*t, {900, 800, 100, 100, 100, 100, 100, 100, 100, 100})[1], 2);
}

TEST(Standings, AllTiedMakesTenWinnersAndTheLastSeatsLine) {
    auto t = seeded_table();
    EXPECT_EQ(standings(*t, {212, 212, 212, 212, 212, 212, 212, 212, 212, 212}),
              (std::array<int, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(t->numberofwinners, 10);
    EXPECT_EQ(caption(*t, ctl::winnerlabel), "seat10 hand10");
}

// A table at the river with chosen hand numbers and a pot, ready for the showdown.
struct Showdown {
    std::unique_ptr<Table> t = seeded_table();
    explicit Showdown(std::array<std::int32_t, 10> numbers, Chips pot = 1000) {
        start_game(*t);
        for (int k = 1; k <= 10; ++k) {
            t->seat(k).handnumber = numbers[k - 1];
            t->seat(k).handvalue = "hand" + std::to_string(k);
            t->seat(k).prize = 500;
            t->seat(k).handrank = 0;
        }
        t->numberofwinners = 0;
        evaluate_ultimate_winner(*t, numbers);
        t->pot = pot;
    }
    Chips chips() const {
        Chips sum = 0;
        for (int k = 1; k <= 10; ++k)
            sum += t->seat(k).prize;
        return sum;
    }
};

TEST(Showdown, ThreeWinnersOfAThousandPotGet833Each) {
    Showdown s({600, 600, 600, 100, 100, 100, 100, 100, 100, 100});
    evaluate_winner(*s.t);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(s.t->seat(k).prize, 833);
        EXPECT_EQ(caption(*s.t, ctl::stack_label(k)), " 833");
    }
    EXPECT_EQ(s.t->seat(4).prize, 500);
    EXPECT_TRUE(s.t->gameover);
    EXPECT_TRUE(visible(*s.t, ctl::winnerlabel));
    EXPECT_EQ(caption(*s.t, ctl::winnerlabel), s.t->seat(3).caption + " hand3");
    EXPECT_FALSE(s.t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_TRUE(s.t->loop.timer_enabled(TimerId::Timer1));
}

TEST(Showdown, RevealsOnlyHandsStillInPlay) {
    Showdown s({100, 900, 100, 100, 100, 100, 100, 100, 100, 100});
    s.t->seat(4).fold = true;
    const int folded_cell = s.t->controls[ctl::first_card(4)].cell;
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->controls[ctl::first_card(2)].cell, s.t->seat(2).cardone);
    EXPECT_EQ(s.t->controls[ctl::second_card(7)].cell, s.t->seat(7).cardtwo);
    EXPECT_EQ(s.t->controls[ctl::first_card(4)].cell, folded_cell);
}

TEST(Showdown, HumanFoldingTheBestHandPromotesTheNextBestInTheHand) {
    Showdown s({900, 100, 100, 100, 100, 500, 100, 100, 100, 100});
    s.t->seat(1).fold = true;
    const Chips before = s.chips();
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(6).handrank, 1);
    EXPECT_EQ(s.t->seat(6).prize, 1500);
    EXPECT_EQ(s.t->seat(1).prize, 500);
    EXPECT_EQ(caption(*s.t, ctl::winnerlabel), s.t->seat(6).caption + " hand6");
    EXPECT_EQ(s.chips(), before + 1000);
}

TEST(Showdown, HumanAndComputerShareAndTheComputersLineStays) {
    Showdown s({700, 100, 100, 700, 100, 100, 100, 100, 100, 100});
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(1).prize, 1000);
    EXPECT_EQ(s.t->seat(4).prize, 1000);
    EXPECT_EQ(caption(*s.t, ctl::winnerlabel), s.t->seat(4).caption + " hand4");
}

TEST(Showdown, ClosedAndFoldedSeatsAreNeverPaidAndTheWholePotGoesOut) {
    // The best number sits with a closed seat and a folded one; the pot goes to the best still in.
    Showdown s({300, 900, 100, 800, 100, 200, 300, 100, 100, 100}, 999);
    s.t->seat(2).Active = false;
    s.t->seat(4).fold = true;
    const Chips before = s.chips();
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(2).prize, 500);
    EXPECT_EQ(s.t->seat(4).prize, 500);
    EXPECT_EQ(s.t->seat(1).prize, 1000);  // 500 + 999 / 2 = 999.5, halves to even
    EXPECT_EQ(s.t->seat(7).prize, 1000);
    EXPECT_EQ(s.t->numberofwinners, 2);
    EXPECT_NEAR(s.chips() - before, 999, 2);
}

TEST(Showdown, WithNobodyLeftInTheHandTheActiveBestShare) {
    Showdown s({300, 900, 100, 800, 100, 200, 300, 100, 100, 100});
    for (int k = 1; k <= 10; ++k)
        s.t->seat(k).fold = true;
    s.t->seat(2).Active = false;
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(4).prize, 1500);
}

TEST(Showdown, RunsOnceAndAnOverflowingShareIsSkipped) {
    Showdown s({100, 900, 100, 100, 100, 100, 100, 100, 100, 900});
    s.t->seat(2).prize = 2147483600;
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(2).prize, 2147483600);  // its share abandoned
    EXPECT_EQ(s.t->seat(10).prize, 1000);       // the next winner still paid
    EXPECT_TRUE(s.t->loop.timer_enabled(TimerId::Timer1));
    evaluate_winner(*s.t);
    EXPECT_EQ(s.t->seat(10).prize, 1000);
}

}  // namespace
}  // namespace holdem
