#include "sim/invariants.h"

#include <cstdlib>

#include "tournament/field.h"

namespace holdem::sim {

std::int64_t chips_in_play(const Table& t) {
    std::int64_t sum = t.pot;
    for (int k = 1; k <= seat_count; ++k)
        sum += t.seat(k).prize;
    return sum;
}

std::optional<std::string> check_distinct_deck(const Table& t) {
    bool seen[53] = {};
    for (CardCode c : t.deck) {
        if (!is_card(c)) return "deck holds code " + std::to_string(c);
        if (seen[c]) return "deck holds " + convert2card(c) + " twice";
        seen[c] = true;
    }
    return std::nullopt;
}

std::optional<std::string> check_cards_agree(const Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        const std::string* board[] = {&p.flop1, &p.flop2, &p.flop3, &p.flop4, &p.flop5};
        bool agrees = p.cardone == t.deck[deck_pos::first_card(k)] &&
                      p.cardtwo == t.deck[deck_pos::second_card(k)] &&
                      p.cardtext1 == convert2card(p.cardone) &&
                      p.cardtext2 == convert2card(p.cardtwo);
        for (int i = 0; i < 5; ++i)
            agrees = agrees && *board[i] == convert2card(t.deck[deck_pos::board(i + 1)]);
        if (!agrees) return "seat " + std::to_string(k) + "'s cards disagree with the deck";
    }
    return std::nullopt;
}

void InvariantChecker::fail(std::string why) {
    if (!violation_) violation_ = std::move(why);
}

void InvariantChecker::hand_started(const Table& t) {
    if (in_hand_) fail("a hand ended without its showdown");
    if (auto bad = check_distinct_deck(t)) fail(*bad);
    if (t.pot != 0) fail("a hand began with chips in the pot");
    hand_total_ = chips_in_play(t);
    events_at_hand_start_ = t.loop.events_run();
    in_hand_ = true;
}

void InvariantChecker::showdown_started(const Table& t) {
    if (!in_hand_) fail("a showdown outside a hand");
    if (chips_in_play(t) != hand_total_) fail("chips appeared or vanished before the showdown");
    if (auto bad = check_cards_agree(t)) fail(*bad);
    stacks_before_award_ = chips_in_play(t) - t.pot;
}

void InvariantChecker::pot_awarded(const Table& t) {
    // Every winner's share is rounded to a whole chip.
    const std::int64_t paid = chips_in_play(t) - t.pot - stacks_before_award_;
    if (std::llabs(paid - t.pot) > t.numberofwinners)
        fail("the award paid " + std::to_string(paid) + " of a pot of " + std::to_string(t.pot));
    in_hand_ = false;
}

std::optional<std::string> InvariantChecker::check(const Table& t) {
    if (violation_) return violation_;
    if (t.loop.runaway_batches() > 0) return "the turn circled the table without end";

    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (p.prize < 0) return "seat " + std::to_string(k) + " has a negative stack";
        const std::string& label = t.controls.caption(ctl::stack_label(k));
        if (label != number_text(p.prize) && !(label == "All in" && p.prize <= 0))
            return "seat " + std::to_string(k) + "'s stack label reads \"" + label + "\" for " +
                   std::to_string(p.prize);
    }

    int seated = 0;
    for (int k = 1; k <= seat_count; ++k)
        seated += t.seat(k).Active;
    if (t.controls[ctl::Label(2)].visible && entrants_left(t) < seated)
        return "the rank line shows fewer entrants than sit at the table";

    if (in_hand_ && !t.ended) {
        if (chips_in_play(t) != hand_total_) return "chips appeared or vanished during the hand";
        if (t.loop.events_run() - events_at_hand_start_ > max_events_per_hand)
            return "a hand did not reach its showdown";
    }
    return std::nullopt;
}

}  // namespace holdem::sim
