// The standard tournament on the clock: the human's turn holds the clock, moves outside the
// rules are refused, a sit-out request blinds the human off from the next hand, and what
// happens is told in players' words; the panel offers exactly the legal moves.
#include <gtest/gtest.h>

#include <map>

#include "picture/spoken.h"
#include "picture/standard_picture.h"
#include "report/hand_history.h"
#include "report/hand_log.h"
#include "standard/table_game.h"

namespace holdem::standard {
namespace {

std::unique_ptr<Table> standard_table(std::uint64_t seed) {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
    t->options.rules = Rules::standard;
    t->options = in_force(t->options);
    return t;
}

// Runs the clock until the human is to act (or the game ends); false when it never came.
bool until_human_turn(Table& t, TableGame& game) {
    for (int step = 0; step < 10000 && !t.ended; ++step) {
        if (game.human_to_act()) return true;
        const auto due = t.loop.next_deadline();
        if (!due) return false;
        game.run_until(*due);
    }
    return false;
}

TEST(TableGame, TheHumansTurnHoldsTheClockAndRefusesMovesOutsideTheRules) {
    auto t = standard_table(5);
    TableGame game(*t);
    game.start();
    ASSERT_TRUE(until_human_turn(*t, game));
    // The tick that found the human's turn stops the pacing clock: nothing is due until a move.
    if (auto due = t->loop.next_deadline()) game.run_until(*due);
    EXPECT_TRUE(game.human_to_act());
    EXPECT_FALSE(t->loop.next_deadline().has_value());
    const Legal l = game.hand()->legal();
    const Move raise = game.hand()->current_bet() ? Move::raise : Move::bet;
    ASSERT_TRUE(l.can_raise);
    EXPECT_FALSE(game.human_act(raise, l.min_to - 1));
    EXPECT_FALSE(game.human_act(raise, l.max_to + 1));
    EXPECT_FALSE(game.human_act(l.can_check ? Move::call : Move::check));
    EXPECT_TRUE(game.human_act(raise, l.min_to));
    EXPECT_EQ(game.hand()->round_bet(human_seat), l.min_to);
    EXPECT_FALSE(game.human_to_act());
    EXPECT_TRUE(t->loop.next_deadline().has_value());
}

TEST(TableGame, ASitOutRequestBlindsTheHumanOffFromTheNextHand) {
    auto t = standard_table(8);
    TableGame game(*t);
    game.start();
    game.ask_sit_out(true);
    EXPECT_FALSE(t->seat(human_seat).sittingout);  // the hand under way is still played
    std::int64_t posted = 0;
    struct Blinds final : TableObserver {
        std::int64_t& posted;
        explicit Blinds(std::int64_t& p) : posted(p) {}
        void blind_posted(const Table&, int seat, Chips amount, bool) override {
            if (seat == human_seat) posted += amount;
        }
    } blinds(posted);
    t->observers.push_back(&blinds);
    for (int step = 0; step < 20000 && !t->ended && t->hands_started < 15; ++step) {
        if (game.human_to_act()) {
            ASSERT_EQ(t->hands_started, 1u) << "a seat that sits out never gets the turn";
            game.human_act(Move::fold);
        } else if (auto due = t->loop.next_deadline()) {
            game.run_until(*due);
        }
    }
    EXPECT_TRUE(t->seat(human_seat).sittingout);
    EXPECT_GT(posted, 0) << "a seat that sits out still posts its blinds";
    game.leave();
    EXPECT_EQ(t->ended, GameEnd::Exit);
}

// Plays seeded tournaments, the human raising, folding or calling by turns, until every phrase
// has been said in the log and in the history.
TEST(TableGame, WhatHappensIsToldAsPlayersSayIt) {
    const std::vector<std::string> log_phrases = {
        " raises to ",      "Uncalled bet (", " collected ",    " from main pot",
        " from side pot-1", " mucks",         " and is all in", "Total pot "};
    const std::vector<std::string> history_phrases = {
        "Hold'em No Limit", ": raises ",  "Uncalled bet (", " from side pot-1",
        ": mucks hand",     " Main pot ", ". Side pot-1 ",  " collected ("};
    std::map<std::string, bool> heard;
    std::string log, history;
    for (std::uint64_t seed = 1;
         seed < 40 && heard.size() < log_phrases.size() + history_phrases.size(); ++seed) {
        auto t = standard_table(seed);
        HandLog hand_log([&](const std::string& line) { log += line + "\n"; });
        HandHistory writer(
            "t", [] { return std::string("now"); },
            [&](const std::string& hand) { history += hand; });
        t->observers = {&hand_log, &writer};
        TableGame game(*t);
        game.start();
        for (int step = 0; step < 20000 && !t->ended; ++step) {
            if (game.human_to_act()) {
                const Legal l = game.hand()->legal();
                const auto turn = t->hands_started % 3;
                if (turn == 1 && l.can_raise)
                    game.human_act(game.hand()->current_bet() ? Move::raise : Move::bet, l.min_to);
                else
                    game.human_act(l.can_check ? Move::check : turn == 0 ? Move::fold : Move::call);
            } else if (auto due = t->loop.next_deadline()) {
                game.run_until(*due);
            }
        }
        for (const std::string& p : log_phrases)
            if (log.find(p) != std::string::npos) heard["log:" + p] = true;
        for (const std::string& p : history_phrases)
            if (history.find(p) != std::string::npos) heard["history:" + p] = true;
        log.clear();
        history.clear();
    }
    for (const std::string& p : log_phrases)
        EXPECT_TRUE(heard["log:" + p]) << p;
    for (const std::string& p : history_phrases)
        EXPECT_TRUE(heard["history:" + p]) << p;
}

TEST(StandardPicture, QuickAmountsRaiseByTheirShareOfThePot) {
    // Blinds 10 and 20 in; the button to act calls 20 into a pot of 30, then raises by 50.
    HandState hand({{1, 1000}, {2, 1000}, {3, 1000}}, 1, 10, 20);
    EXPECT_EQ(quick_amount(hand, 1.0), 70);
    EXPECT_EQ(quick_amount(hand, 0.5), 45);
    HandState short_stack({{1, 60}, {2, 1000}, {3, 1000}}, 1, 10, 20);
    EXPECT_EQ(quick_amount(short_stack, 1.0), 60) << "never beyond all in";
}

TEST(StandardPicture, ThePanelOffersTheLegalMovesAndTheBoxTakesATotal) {
    auto t = standard_table(5);
    TableGame game(*t);
    StandardIntents intents(game, *t);
    TableNotes notes;
    t->observers.push_back(&notes);
    game.start();
    ASSERT_TRUE(until_human_turn(*t, game));
    TablePicture picture;
    fill_standard_picture(*t, game, notes, intents.amount_text(), picture);
    const Legal l = game.hand()->legal();
    const ActionPanel& h = picture.human;
    ASSERT_TRUE(h.open);
    EXPECT_EQ(h.call_shown, l.can_call);
    EXPECT_EQ(h.check_shown, l.can_check);
    EXPECT_EQ(h.raise_amount, std::to_string(l.min_to));
    EXPECT_EQ(h.raise_word, game.hand()->current_bet() ? "Raise to" : "Bet");
    EXPECT_EQ(h.most, l.max_to);
    EXPECT_NE(h.hint.find(std::to_string(l.min_to) + " … " + std::to_string(l.max_to)),
              std::string::npos)
        << h.hint;
    EXPECT_FALSE(judge_amount(h, std::to_string(l.min_to - 1)).accepted);
    EXPECT_TRUE(judge_amount(h, std::to_string(l.max_to + 1)).too_much);
    EXPECT_FALSE(judge_amount(h, "12.5").amount);
    EXPECT_TRUE(judge_amount(h, std::to_string(l.max_to)).accepted);
    // The odds helper weighs the opponents' likely hands, one range for each still in.
    EXPECT_EQ(h.ranges.size(), static_cast<std::size_t>(h.opponents));
    EXPECT_NE(odds_line(h, picture.pot, 2000, 1).find("against their likely hands"),
              std::string::npos);
    // The cards the human cannot see stay backs.
    for (int k = 2; k <= seat_count; ++k)
        EXPECT_FALSE(is_card(picture.seats[static_cast<std::size_t>(k - 1)].first_card.cell));

    intents.act(Intent::all_in);
    EXPECT_EQ(intents.amount_text(), std::to_string(l.max_to));
    intents.amount_edited("abc");
    intents.act(Intent::bet_typed);
    EXPECT_TRUE(game.human_to_act()) << "a refused amount changes nothing";
    intents.amount_key(13, std::to_string(l.min_to));
    EXPECT_FALSE(game.human_to_act());
    EXPECT_EQ(game.hand()->round_bet(human_seat), l.min_to);
    EXPECT_TRUE(intents.amount_text().empty());
}

// What a screen reader says of the table: each seat from its plate, the human's turn with its
// choices, and never a card the human cannot see.
TEST(StandardPicture, TheTableInWordsSaysOnlyWhatIsShown) {
    SeatPicture rat;
    rat.seated = rat.stack_shown = true;
    rat.name = "river rat";
    rat.stack = "1273";
    rat.about = "river rat plays tight-aggressive";
    rat.badge = Badge::fold;
    rat.badge_text = "Fold";
    EXPECT_EQ(seat_spoken(rat), "river rat, 1273 chips, plays tight-aggressive, folded");
    rat.stack = "All in";
    rat.badge = Badge::raise;
    rat.badge_text = "Raise to 400";
    rat.won = 900;
    EXPECT_EQ(seat_spoken(rat), "river rat, all in, plays tight-aggressive, raise to 400, won 900");
    EXPECT_EQ(seat_spoken(SeatPicture{}), "");

    auto t = standard_table(5);
    TableGame game(*t);
    StandardIntents intents(game, *t);
    TableNotes notes;
    t->observers.push_back(&notes);
    game.start();
    ASSERT_TRUE(until_human_turn(*t, game));
    TablePicture picture;
    fill_standard_picture(*t, game, notes, intents.amount_text(), picture);
    const std::string turn = turn_spoken(picture);
    EXPECT_EQ(turn.rfind("Your turn: ", 0), 0u) << turn;
    EXPECT_NE(turn.find(" or fold; pot " + std::to_string(picture.pot)), std::string::npos) << turn;
    const Legal l = game.hand()->legal();
    if (l.can_call) {
        EXPECT_NE(turn.find("call " + picture.human.call_amount), std::string::npos) << turn;
    }
    EXPECT_EQ(board_spoken(picture), "No cards on the board, pot " + std::to_string(picture.pot));
    const std::string mine = seat_spoken(picture.seats[0]);
    EXPECT_NE(mine.find("cards " + convert2card(t->seat(1).cardone) + " " +
                        convert2card(t->seat(1).cardtwo)),
              std::string::npos)
        << mine;
    for (int k = 2; k <= seat_count; ++k) {
        const std::string words = seat_spoken(picture.seats[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(words.rfind(t->seat(k).caption, 0), 0u) << words;
        EXPECT_EQ(words.find("cards"), std::string::npos) << words;
        EXPECT_EQ(words.find(convert2card(t->seat(k).cardone)), std::string::npos) << words;
    }
    intents.act(Intent::fold);
    fill_standard_picture(*t, game, notes, intents.amount_text(), picture);
    EXPECT_EQ(turn_spoken(picture), "");
}

}  // namespace
}  // namespace holdem::standard
