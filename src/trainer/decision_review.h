// The review of the human's decisions, each graded as it is taken: the spot at the human's turn
// as the table showed it, the advisor's move for it, and the chips the decision taken is
// expected to give up against that move (by the equity against the likely hands, the pot and
// the price). It watches the table's stream for the human's actions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/observer.h"
#include "picture/table_picture.h"
#include "trainer/advisor.h"

namespace holdem::trainer {

struct GradedDecision {
    std::uint64_t hand = 0;
    int ordinal = 0;  // the human's actions in the hand, counted from 1
    Street street = Street::preflop;
    Advised taken = Advised::fold;
    std::int64_t taken_amount = 0;
    Advice advice;
    double cost = 0;  // chips, 0 when the decision is the advised one or worth as much
};

// The street as the results keep it: "preflop", "flop", "turn", "river".
std::string street_word(Street street);

// "called 600 with 18 % equity needing 33 %: about −150 chips"
std::string decision_words(Advised taken, std::int64_t amount, double equity, double needed,
                           double cost);

// The same from a decision kept in the results, its move as `move_words` wrote it.
std::string decision_words(const std::string& taken, double equity, double needed, double cost);

// The decision taken, graded: the cost is what the advised move is worth over it, never less
// than 0.
GradedDecision grade(const ActionPanel& panel, std::int64_t pot, Advised taken, std::int64_t amount,
                     std::uint64_t seed);

class DecisionReview final : public TableObserver {
  public:
    using Sink = std::function<void(const GradedDecision&)>;
    explicit DecisionReview(Sink sink) : sink_(std::move(sink)) {}

    // The human's turn as the table shows it now; the last shown before the human acts is
    // the one graded.
    void human_turn(const ActionPanel& panel, std::int64_t pot);

    void hand_started(const Table& t) override;
    void action_taken(const Table& t, const ActionEvent& e) override;

  private:
    Sink sink_;
    std::optional<ActionPanel> turn_;
    std::int64_t pot_ = 0;
    std::uint64_t hand_ = 0;
    int ordinal_ = 0;
};

}  // namespace holdem::trainer
