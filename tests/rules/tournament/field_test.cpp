#include "rules/tournament/field.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

float batch_draw(int n) {
    return (static_cast<float>(n) - 5.0f + 0.5f) / 10.0f;
}

std::unique_ptr<Table> field_table(std::vector<float> draws) {
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(std::move(draws)));
    for (int k = 1; k <= 10; ++k) {
        t->seat(k).prize = 1000;
        t->seat(k).caption = "seat" + std::to_string(k);
    }
    return t;
}

TEST(GrowField, TheFirstReplacementStackByBatchSize) {
    const Chips expected[] = {2500, 2000, 1750, 1600, 1500, 1429, 1375, 1333, 1300, 1273};
    for (int n = 5; n <= 14; ++n) {
        auto t = field_table({batch_draw(n)});
        EXPECT_EQ(grow_field(*t), expected[n - 5]) << n;
        EXPECT_EQ(t->field.eliminated, n);
        EXPECT_EQ(t->field.eliminated_chips, n * 1000);
    }
}

TEST(GrowField, TendsToAThousandAndNeverEmptiesTheFieldBelowTheTable) {
    auto t = seeded_table(11);
    for (int k = 1; k <= 10; ++k)
        t->seat(k).Active = true;
    Chips stack = 0;
    for (int hand = 0; hand < 5000; ++hand)
        stack = grow_field(*t);
    EXPECT_EQ(t->field.eliminated, 990);
    EXPECT_EQ(entrants_left(*t), 10);
    EXPECT_EQ(stack, 1003);  // 990000 / 987
    t->seat(4).Active = false;
    grow_field(*t);
    EXPECT_EQ(t->field.eliminated, 991);
}

TEST(NameFragment, DrawsOneOfTwentyFive) {
    ScriptedRandom r(
        {0.0f, 0.99999994f, 7.5f / 25.0f, 19.5f / 25.0f, 20.5f / 25.0f, 22.5f / 25.0f});
    EXPECT_EQ(name_fragment(r), "poker");
    EXPECT_EQ(name_fragment(r), "smiling");
    EXPECT_EQ(name_fragment(r), "texas");
    EXPECT_EQ(new_player_name(r), "81500 zubzub california");
}

TEST(TournamentStep, RefillsBrokeAndShortSeats) {
    // Batch of 9: the replacement stack is 1500; a third of it is 500.
    auto t = field_table({batch_draw(9), 15.5f / 25.0f, 8.5f / 25.0f, 9.5f / 25.0f});
    t->seat(3).prize = 499;
    t->seat(4).prize = 500;
    t->seat(5).prize = 0;
    tournament_step(*t);
    EXPECT_EQ(t->seat(3).prize, 1500);
    EXPECT_EQ(t->seat(3).caption, "kid freak mad");
    EXPECT_EQ(caption(*t, ctl::name_label(3)), "kid freak mad");
    EXPECT_EQ(caption(*t, ctl::stack_label(3)), " 1500");
    EXPECT_EQ(t->seat(4).prize, 500);
    EXPECT_EQ(t->seat(4).caption, "seat4");
    EXPECT_EQ(t->seat(5).prize, 1500);
    EXPECT_NE(t->seat(5).caption, "seat5");
    EXPECT_EQ(t->seat(2).prize, 1000);
    EXPECT_TRUE(visible(*t, ctl::rank_line));
    EXPECT_EQ(caption(*t, ctl::rank_line), "Your Rank is  991");
    EXPECT_FALSE(t->ended);
}

TEST(TournamentStep, BrokeSeatsCloseOnceTheFieldIsGone) {
    auto t = field_table({batch_draw(5)});
    t->field.eliminated = 975;
    t->field.eliminated_chips = 975000;
    t->seat(6).prize = 0;
    tournament_step(*t);  // 980 knocked out: refilled
    EXPECT_TRUE(t->seat(6).Active);
    EXPECT_GT(t->seat(6).prize, 0);

    auto u = field_table({batch_draw(5)});
    u->field.eliminated = 985;
    u->seat(6).prize = 0;
    tournament_step(*u);  // 990: nobody is left outside the table, the seat closes
    EXPECT_EQ(u->field.eliminated, 990);
    EXPECT_FALSE(u->seat(6).Active);
    EXPECT_FALSE(visible(*u, ctl::name_label(6)));
    EXPECT_FALSE(visible(*u, ctl::stack_label(6)));
    EXPECT_EQ(caption(*u, ctl::rank_line), "Your Rank is  10");
    tournament_step(*u);  // the closed entrant now counts as knocked out
    EXPECT_EQ(u->field.eliminated, 991);
    EXPECT_FALSE(u->seat(6).Active);
}

TEST(TournamentStep, TheHumanBrokeEndsTheGameOneChipPlaysOn) {
    auto t = field_table({batch_draw(5)});
    std::optional<GameEnd> told;
    t->on_game_end = [&](GameEnd why) { told = why; };
    t->seat(1).prize = 0;
    tournament_step(*t);
    EXPECT_EQ(told, GameEnd::HumanBroke);
    EXPECT_EQ(t->ended, GameEnd::HumanBroke);

    auto u = field_table({batch_draw(5)});
    u->seat(1).prize = 1;
    tournament_step(*u);
    EXPECT_FALSE(u->ended);
}

TEST(TournamentStep, TheLastEntrantWinsTheTournament) {
    auto t = field_table({batch_draw(14)});
    t->field.eliminated = 990;
    for (int k = 3; k <= 10; ++k)
        t->seat(k).Active = false;
    t->seat(2).prize = 0;
    tournament_step(*t);
    EXPECT_EQ(t->ended, GameEnd::TournamentWon);
    EXPECT_EQ(caption(*t, ctl::rank_line), "Your Rank is  1");
    EXPECT_TRUE(visible(*t, ctl::winnerlabel));
    EXPECT_EQ(caption(*t, ctl::winnerlabel), "seat1 won the tournament");
}

TEST(TournamentStep, SitOutRequestAndTheDealersCharge) {
    auto t = field_table({batch_draw(5)});
    t->sitter = 1;
    t->seat(1).dealer = 1;
    t->seat(1).prize = 40;
    t->limits = 20;
    tournament_step(*t);
    EXPECT_TRUE(t->seat(1).sittingout);
    EXPECT_FALSE(visible(*t, ctl::first_card(1)));
    EXPECT_FALSE(visible(*t, ctl::second_card(1)));
    EXPECT_EQ(t->seat(1).prize, 0);
    EXPECT_EQ(caption(*t, ctl::stack_label(1)), "All in");
    EXPECT_TRUE(t->seat(1).allin);
    EXPECT_EQ(t->seat(2).dealer, 1);

    // The charge never takes more than he has.
    auto u = field_table({batch_draw(5)});
    u->sitter = 1;
    u->seat(1).dealer = 1;
    u->seat(1).prize = 30;
    u->limits = 20;
    tournament_step(*u);
    EXPECT_EQ(u->seat(1).prize, 0);

    // Asking to play again shows the cards at the next hand.
    u->sitter = 0;
    u->seat(1).prize = 100;
    tournament_step(*u);
    EXPECT_FALSE(u->seat(1).sittingout);
    EXPECT_TRUE(visible(*u, ctl::first_card(1)));
}

}  // namespace
}  // namespace holdem
