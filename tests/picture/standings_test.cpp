// The Standings window's contents: the leaders by chips with the human's own row, payout bands
// that cover every paid place and the pool, tables that hold every player and chip left, and a
// table's last hand shown with only the cards shown down.
#include "picture/standings.h"

#include <gtest/gtest.h>

#include "standard/table_game.h"

namespace holdem {
namespace {

TEST(Standings, LeadersPayoutsAndTablesAccountForTheWholeField) {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(8),
                                     std::make_unique<SeededRandom>(9));
    t->options.rules = Rules::standard;
    t->options.structure = StructureKind::turbo;
    t->options.entrants = 300;
    t->options = in_force(t->options);
    standard::TableGame game(*t);
    game.play_field(standard::new_field_play(*t));
    game.start();
    game.ask_sit_out(true);
    while (!t->ended && t->hands_started < 30) {
        if (game.human_to_act()) {
            ASSERT_TRUE(game.human_act(standard::Move::fold));
            continue;
        }
        game.run_until(*t->loop.next_deadline());
    }
    game.finish_field_round();
    const standard::FieldPlay& play = *game.field();
    const tournament::Field& f = play.field();
    const Standings st = standings_of(f);

    ASSERT_GE(st.leaders.size(), 10u);
    for (std::size_t i = 1; i < 10; ++i)
        EXPECT_GE(st.leaders[i - 1].stack, st.leaders[i].stack);
    const auto human = std::find_if(st.leaders.begin(), st.leaders.end(),
                                    [](const StandingRow& r) { return r.human; });
    ASSERT_NE(human, st.leaders.end());
    EXPECT_EQ(human->rank, f.standing_of(f.human()).chip_rank);
    EXPECT_EQ(st.leaders.size(), human->rank <= 10 ? 10u : 11u);

    int places = 0;
    std::int64_t paid = 0;
    for (const PayoutRow& band : st.payouts) {
        const auto dash = band.places.find("–");
        const int first = std::stoi(band.places);
        const int last =
            dash == std::string::npos ? first : std::stoi(band.places.substr(dash + 3));
        places += last - first + 1;
        paid += band.prize * (last - first + 1);
        EXPECT_EQ(band.prize, f.payouts().prize_for(first)) << band.places;
        EXPECT_EQ(band.prize, f.payouts().prize_for(last)) << band.places;
    }
    EXPECT_EQ(places, f.payouts().paid());
    EXPECT_EQ(paid, f.payouts().pool);
    EXPECT_EQ(st.payouts.front().places, "1st");
    EXPECT_NE(st.bubble.find(ordinal_text(f.payouts().paid() + 1)), std::string::npos) << st.bubble;

    int players = 0;
    Chips chips = 0;
    for (const TableRow& row : st.tables) {
        players += row.players;
        chips += row.chips;
        EXPECT_LE(row.biggest, row.chips);
    }
    EXPECT_EQ(players, f.players_left());
    EXPECT_EQ(chips, f.chips_in_play());

    // Another table's last hand: its players with their stacks after it, no card that was not
    // shown down, the board as far as it was dealt.
    const TableRow& other = *std::find_if(st.tables.begin(), st.tables.end(),
                                          [](const TableRow& r) { return !r.human; });
    const standard::FieldHand& hand = play.last_hands()[static_cast<std::size_t>(other.number - 1)];
    const TablePicture picture = last_hand_picture(f, hand, other.number);
    for (int k = 1; k <= picture_seats; ++k) {
        const auto& seat = hand.seats[static_cast<std::size_t>(k)];
        const SeatPicture& s = picture.seats[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(s.seated, seat.entrant >= 0);
        if (!s.seated) continue;
        EXPECT_EQ(s.name, f.entrant(seat.entrant).name);
        EXPECT_EQ(s.stack, std::to_string(seat.stack_after));
        EXPECT_EQ(s.first_card.shown, card_grid::is_face(seat.cards[0]));
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(picture.board[static_cast<std::size_t>(i)].shown, i < hand.board_shown);
    EXPECT_FALSE(picture.human.exit_shown);
}

}  // namespace
}  // namespace holdem
