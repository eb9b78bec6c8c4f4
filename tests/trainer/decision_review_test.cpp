// The review of decisions: costs on fixed spots as worked out by hand, the words of the list,
// and every action of the human's graded once, in order, from the table's stream.
#include <gtest/gtest.h>

#include "calculator/equity_calculator.h"
#include "picture/standard_picture.h"
#include "standard/table_game.h"
#include "trainer/decision_review.h"

namespace holdem::trainer {
namespace {

ActionPanel river_spot(std::int64_t to_call) {
    ActionPanel p;
    p.open = true;
    const calculator::CardsReading hole = calculator::read_cards("Kh9c");
    const calculator::CardsReading board = calculator::read_cards("AsKs7d4c2h");
    p.hole = {hole.cards[0], hole.cards[1]};
    p.board.assign(board.cards.begin(), board.cards.end());
    p.opponents = 1;
    p.to_call = p.current_bet = to_call;
    p.stack = 20000;
    p.big_blind = 100;
    p.after_flop = true;
    p.call_shown = p.fold_shown = p.raise_shown = true;
    p.least = static_cast<double>(2 * to_call);
    p.most = 20000;
    return p;
}

TEST(DecisionReview, ACallThePriceDidNotPayForAndAFoldThatGaveUpAWinCostWhatTheyShould) {
    calculator::Spot s;
    s.players = {calculator::read_range("Kh9c").range, calculator::read_range("random").range};
    s.board = calculator::read_cards("AsKs7d4c2h").cards;
    const double exact = calculator::enumerate_equities(s).players[0].equity;
    const std::int64_t pot = 1000;
    for (const double margin : {0.10, -0.10}) {
        const double needed = exact + margin;
        const auto c = static_cast<std::int64_t>(needed * pot / (1 - needed));
        const ActionPanel p = river_spot(c);
        const double call_worth = exact * static_cast<double>(pot + c) - static_cast<double>(c);
        const GradedDecision called = grade(p, pot, Advised::call, c, 3);
        const GradedDecision folded = grade(p, pot, Advised::fold, 0, 3);
        if (margin > 0) {
            // Calling pays more than the hand wins back; folding is what the advice says.
            EXPECT_EQ(called.advice.move, Advised::fold);
            EXPECT_NEAR(called.cost, -call_worth, 0.02 * static_cast<double>(pot + c));
            EXPECT_EQ(folded.cost, 0);
        } else {
            EXPECT_EQ(folded.advice.move, Advised::call);
            EXPECT_NEAR(folded.cost, call_worth, 0.02 * static_cast<double>(pot + c));
            EXPECT_EQ(called.cost, 0);
        }
    }
    EXPECT_EQ(decision_words(Advised::call, 600, 0.18, 0.33, 150.4),
              "called 600 with 18 % equity needing 33 %: about \u2212150 chips");
    EXPECT_EQ(decision_words(Advised::check, 0, 0.9, 0, 212),
              "checked with 90 % equity: about \u2212212 chips");
}

TEST(DecisionReview, EveryActionOfTheHumansIsGradedOnceInOrder) {
    std::vector<GradedDecision> graded;
    DecisionReview review([&](const GradedDecision& g) { graded.push_back(g); });
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(9));
    t->options.rules = Rules::standard;
    t->options = in_force(t->options);
    standard::TableGame game(*t);
    TableNotes notes;
    t->observers.push_back(&notes);
    t->observers.push_back(&review);
    game.start();
    int actions = 0;
    for (int step = 0; step < 200000 && !t->ended && t->hands_started <= 80; ++step) {
        if (game.human_to_act()) {
            TablePicture picture;
            fill_standard_picture(*t, game, notes, "", picture);
            review.human_turn(picture.human, picture.pot);
            const standard::Legal l = game.hand()->legal();
            const bool cheap = l.can_call && l.to_call * 8 <= game.hand()->stack(1);
            game.human_act(l.can_check ? standard::Move::check
                           : cheap     ? standard::Move::call
                                       : standard::Move::fold);
            ++actions;
        } else if (auto due = t->loop.next_deadline()) {
            game.run_until(*due);
        }
    }
    ASSERT_GT(actions, 15);
    ASSERT_EQ(graded.size(), static_cast<std::size_t>(actions));
    for (std::size_t i = 0; i < graded.size(); ++i) {
        EXPECT_GE(graded[i].cost, 0);
        const bool same_hand = i > 0 && graded[i].hand == graded[i - 1].hand;
        EXPECT_EQ(graded[i].ordinal, same_hand ? graded[i - 1].ordinal + 1 : 1);
    }
    // Checking costs nothing against a fold, and the advice never folds what it may check.
    for (const GradedDecision& g : graded) {
        if (g.taken == Advised::check) {
            EXPECT_NE(g.advice.move, Advised::fold);
        }
    }
}

}  // namespace
}  // namespace holdem::trainer
