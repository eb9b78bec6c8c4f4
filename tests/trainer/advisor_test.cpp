// The advisor: it reads only what the human sees, agrees on fixed spots with the move an exact
// equity gives against the price, pushes or folds when short, and values moves in chips as
// worked out by hand.
#include <gtest/gtest.h>

#include "calculator/equity_calculator.h"
#include "picture/standard_picture.h"
#include "standard/table_game.h"
#include "trainer/advisor.h"

namespace holdem::trainer {
namespace {

std::vector<int> cards(std::string_view text) {
    const calculator::CardsReading read = calculator::read_cards(text);
    EXPECT_EQ(read.problem, "");
    return {read.cards.begin(), read.cards.end()};
}

// The human to act heads-up with `hole` on `board`, the opponent's hand any hand.
ActionPanel spot(std::string_view hole, std::string_view board, std::int64_t to_call,
                 std::int64_t stack) {
    ActionPanel p;
    p.open = true;
    const std::vector<int> h = cards(hole);
    p.hole = {h[0], h[1]};
    p.board = cards(board);
    p.opponents = 1;
    p.to_call = to_call;
    p.current_bet = to_call;
    p.stack = stack;
    p.big_blind = 100;
    p.after_flop = !p.board.empty();
    p.call_shown = to_call > 0;
    p.check_shown = to_call == 0;
    p.fold_shown = true;
    p.raise_shown = true;
    p.least = static_cast<double>(std::max<std::int64_t>(2 * to_call, 100));
    p.most = stack;
    return p;
}

// The equity of `hole` against any one hand on a full board, every hand counted.
double exact_river_equity(std::string_view hole, std::string_view board) {
    calculator::Spot s;
    s.players = {calculator::read_range(hole).range, calculator::read_range("random").range};
    const calculator::CardsReading b = calculator::read_cards(board);
    s.board = b.cards;
    const calculator::Equities e = calculator::enumerate_equities(s);
    EXPECT_TRUE(e.exact);
    return e.players[0].equity;
}

TEST(Advisor, CallsWhenTheEquityPaysThePriceAndFoldsWhenItDoesNot) {
    // Second pair on the river against any hand.
    const std::string_view hole = "Kh9c", board = "As Ks 7d 4c 2h";
    const double exact = exact_river_equity(hole, board);
    ASSERT_GT(exact, 0.5);
    ASSERT_LT(exact, 0.85);
    // A price that needs 10 points less than the hand has, then 10 points more.
    for (const double margin : {-0.10, 0.10}) {
        const double needed = exact + margin;
        const std::int64_t pot = 1000;
        const auto to_call = static_cast<std::int64_t>(needed * pot / (1 - needed));
        const Advice a = advise(spot(hole, board, to_call, 20000), pot, 7, 20000);
        EXPECT_NEAR(a.equity, exact, 0.015);
        EXPECT_NEAR(a.needed, needed, 0.005);
        EXPECT_EQ(a.move, margin < 0 ? Advised::call : Advised::fold) << a.line;
    }
}

TEST(Advisor, BetsItsStrongHandsChecksItsWeakOnesAndSaysWhy) {
    const Advice nuts = advise(spot("QhJh", "Ah Kh Th 4c 2d", 0, 20000), 1000, 3);
    EXPECT_EQ(nuts.move, Advised::bet);
    EXPECT_EQ(nuts.amount, 666);  // two thirds of the pot
    EXPECT_EQ(nuts.line.rfind("Bet 666: 100 % equity against their likely hands", 0), 0u)
        << nuts.line;
    EXPECT_NE(nuts.line.find("200 big blinds"), std::string::npos) << nuts.line;
    const Advice air = advise(spot("3c4d", "Ah Kh Th 9s 7d", 0, 20000), 1000, 3);
    EXPECT_EQ(air.move, Advised::check) << air.line;
    // Facing a bet with the nuts: raise, and all in once the raise is most of the stack.
    EXPECT_EQ(advise(spot("QhJh", "Ah Kh Th 4c 2d", 500, 20000), 1500, 3).move, Advised::raise);
    EXPECT_EQ(advise(spot("QhJh", "Ah Kh Th 4c 2d", 500, 2000), 1500, 3).move, Advised::all_in);
}

TEST(Advisor, ShortStacksPushOrFoldAndPrizePressureAsksForMore) {
    ActionPanel aces = spot("AsAd", "", 100, 800);
    aces.current_bet = 100;
    aces.acting_after = 3;
    EXPECT_EQ(advise(aces, 150, 1).move, Advised::all_in);
    ActionPanel trash = spot("7c2d", "", 100, 800);
    trash.acting_after = 3;
    EXPECT_EQ(advise(trash, 150, 1).move, Advised::fold);
    EXPECT_NE(advise(trash, 150, 1).line.find("short, all in or fold"), std::string::npos);

    // A call that pays at the chip price folds when the money is close.
    const std::string_view hole = "Kh9c", board = "As Ks 7d 4c 2h";
    const double exact = exact_river_equity(hole, board);
    const std::int64_t pot = 1000;
    const auto to_call = static_cast<std::int64_t>((exact - 0.05) * pot / (1 - exact + 0.05));
    ActionPanel near_money = spot(hole, board, to_call, 2 * to_call);
    EXPECT_EQ(advise(near_money, pot, 5, 20000).move, Advised::call);
    near_money.prize_pressure = 0.10;
    const Advice careful = advise(near_money, pot, 5, 20000);
    EXPECT_EQ(careful.move, Advised::fold) << careful.line;
    EXPECT_NE(careful.line.find("near the money a call must carry 10 points more"),
              std::string::npos)
        << careful.line;
}

TEST(Advisor, MovesAreValuedInChipsAsWorkedOutByHand) {
    ActionPanel p = spot("Kh9c", "As Ks 7d 4c 2h", 100, 5000);
    // Pot 300, calling 100 with 20 %: 0.2 × 400 − 100.
    EXPECT_DOUBLE_EQ(move_value(Advised::call, 100, p, 300, 0.2), -20);
    EXPECT_DOUBLE_EQ(move_value(Advised::fold, 0, p, 300, 0.2), 0);
    // Raising to 400 over a bet of 100: 400 in, 300 more called, pot 300 + 400 + 300.
    EXPECT_DOUBLE_EQ(move_value(Advised::raise, 400, p, 300, 0.7), 0.7 * 1000 - 400);
    p.to_call = p.current_bet = 0;
    EXPECT_DOUBLE_EQ(move_value(Advised::check, 0, p, 300, 0.4), 120);
    EXPECT_DOUBLE_EQ(move_value(Advised::bet, 200, p, 300, 0.4), 0.4 * 700 - 200);
}

// Swapping the opponents' cards, which the human cannot see, changes neither what the table
// shows the human nor the advice.
TEST(Advisor, NeverReadsACardTheHumanCannotSee) {
    for (const std::uint64_t seed : {5u, 9u, 21u}) {
        auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
        t->options.rules = Rules::standard;
        t->options = in_force(t->options);
        standard::TableGame game(*t);
        TableNotes notes;
        t->observers.push_back(&notes);
        game.start();
        for (int step = 0; step < 10000 && !game.human_to_act() && !t->ended; ++step)
            game.run_until(*t->loop.next_deadline());
        ASSERT_TRUE(game.human_to_act());
        TablePicture before;
        fill_standard_picture(*t, game, notes, "", before);
        const Advice first = advise(before.human, before.pot, 11);
        ASSERT_FALSE(first.line.empty());
        for (int k = 2; k + 1 <= seat_count; k += 2) {
            std::swap(t->seat(k).cardone, t->seat(k + 1).cardtwo);
            std::swap(t->seat(k).cardtwo, t->seat(k + 1).cardone);
        }
        TablePicture after;
        fill_standard_picture(*t, game, notes, "", after);
        EXPECT_TRUE(after.human == before.human);
        const Advice second = advise(after.human, after.pot, 11);
        EXPECT_EQ(second.line, first.line);
    }
}

}  // namespace
}  // namespace holdem::trainer
