#include "sim/invariants.h"

#include <algorithm>
#include <cstdlib>

#include "rules/reading/card_assessment.h"
#include "rules/tournament/field.h"

namespace holdem::sim {

namespace {

std::string seat_text(int seat) {
    return "seat " + std::to_string(seat);
}

std::int64_t stacks(const Table& t) {
    std::int64_t sum = 0;
    for (int k = 1; k <= seat_count; ++k)
        sum += t.seat(k).prize;
    return sum;
}

}  // namespace

std::int64_t chips_in_play(const Table& t) {
    return stacks(t) + t.pot;
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
                      p.cardtext1 == card_text(p.cardone) && p.cardtext2 == card_text(p.cardtwo);
        for (int i = 0; i < 5; ++i)
            agrees = agrees && *board[i] == card_text(t.deck[deck_pos::board(i + 1)]);
        if (!agrees) return seat_text(k) + "'s cards disagree with the deck";
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
    if (stacks(t) != t.chips_brought)
        fail("the stacks hold " + std::to_string(stacks(t)) + " where the table was given " +
             std::to_string(t.chips_brought));
    if (expected_at_next_hand_ && stacks(t) != *expected_at_next_hand_)
        fail("between hands the table's chips went from " +
             std::to_string(*expected_at_next_hand_) + " to " + std::to_string(stacks(t)));
    hand_total_ = chips_in_play(t);
    events_at_hand_start_ = t.loop.events_run();
    in_hand_ = true;
    labels_due_ = true;

    const int dealer = dealer_seat(t);
    if (dealer == 0) fail("a hand began without a dealer");
    small_blind_seat_ = seat_after(dealer);
    big_blind_seat_ = seat_after(dealer, 2);
    limits_ = t.limits;
    for (int k = 1; k <= seat_count; ++k)
        stacks_at_start_[k] = t.seat(k).prize;
    blinds_posted_.fill(0);
    blinds_checked_ = false;
}

void InvariantChecker::blind_posted(const Table& t, int seat, Chips amount, bool big) {
    const int expected_seat = big ? big_blind_seat_ : small_blind_seat_;
    const char* which = big ? "big" : "small";
    if (seat != expected_seat || !t.seat(seat).Active)
        fail(seat_text(seat) + " posted the " + which + " blind, which is seat " +
             std::to_string(expected_seat) + "'s");
    if (blinds_checked_) fail(seat_text(seat) + " posted a blind after the betting began");
    if (blinds_posted_[seat]++) fail(seat_text(seat) + " posted a blind twice");
    const Chips owed = std::min(big ? limits_ * 2 : limits_, stacks_at_start_[seat]);
    if (amount != owed)
        fail(seat_text(seat) + " posted " + std::to_string(amount) + " for a " + which +
             " blind of " + std::to_string(owed));
}

void InvariantChecker::blinds_done(const Table& t) {
    if (blinds_checked_) return;
    blinds_checked_ = true;
    for (int seat : {small_blind_seat_, big_blind_seat_})
        if (t.seat(seat).Active != (blinds_posted_[seat] == 1))
            fail(seat_text(seat) + (t.seat(seat).Active ? " owed a blind and posted none"
                                                        : " posted a blind from a closed seat"));
}

void InvariantChecker::action_taken(const Table& t, const ActionEvent&) {
    blinds_done(t);
}

void InvariantChecker::street_dealt(const Table& t, Street) {
    blinds_done(t);
}

void InvariantChecker::showdown_started(const Table& t) {
    blinds_done(t);
    if (!in_hand_) fail("a showdown outside a hand");
    if (chips_in_play(t) != hand_total_) fail("chips appeared or vanished before the showdown");
    if (auto bad = check_cards_agree(t)) fail(*bad);
    stacks_before_award_ = stacks(t);

    // The pot goes to the best hands still in the hand, or to the best active seats when
    // nobody is left in it; every such hand must be what its cards read.
    bool anyone_in = false;
    for (int k = 1; k <= seat_count; ++k)
        anyone_in = anyone_in || t.seat(k).in_hand();
    auto eligible = [&](const Player& p) { return anyone_in ? p.in_hand() : p.Active; };
    int best = -1;
    for (int k = 1; k <= seat_count; ++k)
        if (eligible(t.seat(k))) best = std::max<int>(best, t.seat(k).handnumber);
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        due_[k] = eligible(p) && p.handnumber == best;
        if (!due_[k]) continue;
        const std::int32_t read = hand_number(
            {p.cardone, p.cardtwo, t.deck[20], t.deck[21], t.deck[22], t.deck[23], t.deck[24]},
            t.options.ranking);
        if (read != p.handnumber)
            fail(seat_text(k) + " holds hand number " + std::to_string(p.handnumber) +
                 " where its cards read " + std::to_string(read));
    }
    paid_.fill(false);
}

void InvariantChecker::pot_won(const Table&, int seat, Chips) {
    if (!due_[seat]) fail(seat_text(seat) + " was paid without the best hand still in");
    if (paid_[seat]) fail(seat_text(seat) + " was paid twice");
    paid_[seat] = true;
}

void InvariantChecker::pot_awarded(const Table& t) {
    if (due_ != paid_) fail("a seat with the best hand still in was not paid");
    // Every winner's share is rounded to a whole chip.
    const std::int64_t paid = stacks(t) - stacks_before_award_;
    if (std::llabs(paid - t.pot) > t.numberofwinners)
        fail("the award paid " + std::to_string(paid) + " of a pot of " + std::to_string(t.pot));
    expected_at_next_hand_ = stacks(t);
    in_hand_ = false;
    labels_due_ = true;
}

void InvariantChecker::seat_refilled(const Table& t, int seat, Chips old_stack) {
    if (expected_at_next_hand_) *expected_at_next_hand_ += t.seat(seat).prize - old_stack;
}

void InvariantChecker::sit_out_charged(const Table&, Chips amount) {
    if (expected_at_next_hand_) *expected_at_next_hand_ -= amount;
}

void InvariantChecker::game_ended(const Table& t, GameEnd why) {
    switch (why) {
        case GameEnd::HumanBroke:
            if (t.seat(human_seat).prize != 0)
                fail("the game ended broke with " + std::to_string(t.seat(human_seat).prize) +
                     " chips");
            break;
        case GameEnd::TournamentWon:
            if (active_seats(t) != 1 || entrants_left(t) != 1)
                fail("the tournament was won with " + std::to_string(active_seats(t)) +
                     " seats and " + std::to_string(entrants_left(t)) + " entrants left");
            break;
        case GameEnd::Overflow:
            fail("the game ended on a chip overflow");
            break;
        case GameEnd::Exit:
            break;
    }
}

std::optional<std::string> InvariantChecker::check(const Table& t) {
    if (violation_) return violation_;
    if (t.loop.runaway_batches() > 0) return "the turn circled the table without end";
    const std::uint64_t ran = t.loop.events_run() + t.inputs_handled;
    if (checked_at_ == ran) return std::nullopt;
    checked_at_ = ran;

    for (int k = 1; k <= seat_count && !labels_due_; ++k)
        labels_due_ = t.seat(k).prize != labels_read_for_[k];
    if (labels_due_) {
        labels_due_ = false;
        for (int k = 1; k <= seat_count; ++k) {
            const Player& p = t.seat(k);
            labels_read_for_[k] = p.prize;
            if (p.prize < 0) return seat_text(k) + " has a negative stack";
            const std::string& label = t.controls.caption(ctl::stack_label(k));
            if (!shows_number(label, p.prize) && !(label == "All in" && p.prize <= 0))
                return seat_text(k) + "'s stack label reads \"" + label + "\" for " +
                       std::to_string(p.prize);
        }
    }

    if (t.field.eliminated < eliminated_seen_) return "the knocked-out count went down";
    eliminated_seen_ = t.field.eliminated;
    if (t.field.eliminated > field_size - active_seats(t))
        return "more entrants are knocked out than the seats at the table allow";

    if (in_hand_ && !t.ended) {
        if (chips_in_play(t) != hand_total_) return "chips appeared or vanished during the hand";
        if (t.loop.events_run() - events_at_hand_start_ > max_events_per_hand)
            return "a hand did not reach its showdown";
    }
    return std::nullopt;
}

std::optional<std::string> chips_after_pay_out(const Table& t) {
    std::int64_t on_seats = 0;
    for (int k = 1; k <= seat_count; ++k) {
        if (t.seat(k).prize < 0) return "seat " + std::to_string(k) + " ended below nothing";
        on_seats += t.seat(k).prize;
    }
    if (on_seats != t.chips_brought)
        return "the table's chips do not add up: " + std::to_string(on_seats) + " on the seats, " +
               std::to_string(t.chips_brought) + " brought";
    return std::nullopt;
}

}  // namespace holdem::sim
