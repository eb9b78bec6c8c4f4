#include "trainer/decision_review.h"

#include <algorithm>
#include <cmath>

#include "model/table.h"

namespace holdem::trainer {

namespace {

Advised advised_of(Action action) {
    switch (action) {
        case Action::fold:
            return Advised::fold;
        case Action::check:
            return Advised::check;
        case Action::call:
            return Advised::call;
        case Action::bet:
            return Advised::bet;
        case Action::raise:
            return Advised::raise;
        case Action::all_in:
            return Advised::all_in;
    }
    return Advised::fold;
}

}  // namespace

std::string street_word(Street street) {
    static constexpr const char* words[] = {"preflop", "flop", "turn", "river"};
    return words[static_cast<int>(street)];
}

std::string decision_words(Advised taken, std::int64_t amount, double equity, double needed,
                           double cost) {
    std::string words;
    switch (taken) {
        case Advised::fold:
            words = "folded";
            break;
        case Advised::check:
            words = "checked";
            break;
        case Advised::call:
            words = "called " + std::to_string(amount);
            break;
        case Advised::bet:
            words = "bet " + std::to_string(amount);
            break;
        case Advised::raise:
            words = "raised to " + std::to_string(amount);
            break;
        case Advised::all_in:
            words = "moved all in for " + std::to_string(amount);
            break;
    }
    words += " with " + percent_words(equity) + " equity";
    if (needed > 0) words += " needing " + percent_words(needed);
    // The minus sign as print has it, for a figure that reads as a loss.
    words += ": about \u2212" + std::to_string(std::lround(std::max(0.0, cost))) + " chips";
    return words;
}

std::string decision_words(const std::string& taken, double equity, double needed, double cost) {
    static const std::pair<const char*, Advised> verbs[] = {
        {"Fold", Advised::fold}, {"Check", Advised::check},     {"Call ", Advised::call},
        {"Bet ", Advised::bet},  {"Raise to ", Advised::raise}, {"All in ", Advised::all_in}};
    for (const auto& [verb, move] : verbs) {
        const std::string_view v(verb);
        if (taken.rfind(v, 0) != 0) continue;
        std::int64_t amount = 0;
        for (char c : taken.substr(v.size()))
            if (c >= '0' && c <= '9' && amount < (std::int64_t{1} << 50))
                amount = amount * 10 + (c - '0');
        return decision_words(move, amount, equity, needed, cost);
    }
    return taken;
}

GradedDecision grade(const ActionPanel& panel, std::int64_t pot, Advised taken, std::int64_t amount,
                     std::uint64_t seed) {
    GradedDecision g;
    g.taken = taken;
    g.taken_amount = amount;
    g.advice = advise(panel, pot, seed);
    const double best = move_value(g.advice.move, g.advice.amount, panel, pot, g.advice.equity);
    const double mine = move_value(taken, amount, panel, pot, g.advice.equity);
    g.cost = std::max(0.0, best - mine);
    return g;
}

void DecisionReview::human_turn(const ActionPanel& panel, std::int64_t pot) {
    if (!panel.open) return;
    turn_ = panel;
    pot_ = pot;
}

void DecisionReview::hand_started(const Table& t) {
    hand_ = t.hands_started;
    ordinal_ = 0;
    turn_.reset();
}

void DecisionReview::action_taken(const Table&, const ActionEvent& e) {
    if (e.seat != human_seat) return;
    ++ordinal_;
    if (!turn_) return;
    const Advised taken = advised_of(e.action);
    // A call says what it put in; a bet, a raise or all in the round's total it went to.
    const std::int64_t amount = taken == Advised::call ? e.amount : e.total;
    GradedDecision g =
        grade(*turn_, pot_, taken, amount, hand_ * 31 + static_cast<unsigned>(ordinal_));
    g.hand = hand_;
    g.ordinal = ordinal_;
    g.street = e.street;
    turn_.reset();
    if (sink_) sink_(g);
}

}  // namespace holdem::trainer
