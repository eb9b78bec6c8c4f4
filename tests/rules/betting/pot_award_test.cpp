#include "rules/betting/pot_award.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Share, PotOverWinnersRoundedHalfToEven) {
    auto t = seeded_table();
    struct Case {
        Chips stack, pot;
        int winners;
        Chips after;
    };
    const Case cases[] = {
        {500, 1000, 1, 1500}, {500, 1000, 3, 833}, {100, 25, 2, 112}, {101, 25, 2, 114}};
    for (const Case& c : cases) {
        t->seat(3).prize = c.stack;
        t->pot = c.pot;
        t->numberofwinners = static_cast<std::int16_t>(c.winners);
        award_share(*t, 3);
        EXPECT_EQ(t->seat(3).prize, c.after);
        EXPECT_EQ(t->pot, c.pot);
    }
    const Chips before = t->seat(3).prize;
    t->numberofwinners = 0;
    award_share(*t, 3);  // nobody to share with: nothing is paid
    EXPECT_EQ(t->seat(3).prize, before);
    t->numberofwinners = 1;
    t->pot = 2'000'000'000;
    t->seat(3).prize = 2'000'000'000;
    EXPECT_THROW(award_share(*t, 3), ChipOverflow);
    EXPECT_EQ(t->seat(3).prize, 2'000'000'000);
}

TEST(PotToWinner, MovesChipFourAndPutsThePotBack) {
    auto t = seeded_table();
    start_game(*t);
    for (int winner : {1, 6, 10}) {
        Control& four = t->controls[ctl::backchips(4)];
        const int left = four.left;
        for (int i = 60; i <= 90; ++i)
            t->controls.show(ctl::backchips(i));
        t->controls.show(ctl::potlabel);
        pot_to_winner(*t, winner);
        EXPECT_EQ(four.left, left + 330) << winner;
        for (int i = 60; i <= 90; ++i)
            EXPECT_FALSE(visible(*t, ctl::backchips(i)));
        EXPECT_FALSE(visible(*t, ctl::potlabel));
        // Chips 60 … 68 take entries 0 … 8; 69 and 70 take 0 and 1.
        EXPECT_EQ(t->controls[ctl::backchips(60)].left, t->chiplefts[0]);
        EXPECT_EQ(t->controls[ctl::backchips(68)].top, static_cast<int>(t->chiptops[8]));
        EXPECT_EQ(t->controls[ctl::backchips(69)].left, t->chiplefts[0]);
        EXPECT_EQ(t->controls[ctl::backchips(70)].left, t->chiplefts[1]);
    }
    // Entry 0 holds chip 70's start place.
    EXPECT_EQ(t->chiplefts[0], Controls()[ctl::backchips(70)].left);
    EXPECT_EQ(t->chiplefts[1], Controls()[ctl::backchips(61)].left);
}

TEST(PotToWinner, ChipFourLandsOnTheWinnersPile) {
    auto t = seeded_table();
    start_game(*t);
    pot_to_winner(*t, 1);
    // Seat 1's cycle ends at chip 4 after 11 steps: 5,4,3,2,1,5,4,3,2,1,5 → last n is 5.
    EXPECT_EQ(t->controls[ctl::backchips(4)].top, 5 + t->controls[ctl::backchips(5)].top);
}

}  // namespace
}  // namespace holdem
