// The table's stream of what happened: every blind, action, street, showdown, award and
// tournament step, reported as it happens to whoever watches (the simulator's invariants, the
// window's hand log, the hand-history writer). Watchers read names and cards from the table.
#pragma once

#include <cstdint>
#include <vector>

#include "model/numbers.h"
#include "model/street.h"

namespace holdem {

struct Table;

// What a seat did with its turn, in chips: a bet opens a round, a raise goes above a bet.
enum class Action : std::uint8_t { fold, check, call, bet, raise, all_in };

// Why the game ended.
enum class GameEnd : std::uint8_t { Exit, HumanBroke, TournamentWon, Overflow };

struct ActionEvent {
    int seat = 0;
    Street street = Street::preflop;
    Action action = Action::check;
    Chips amount = 0;      // put in by this action
    Chips total = 0;       // the seat's total in this betting round afterwards
    Chips bet_before = 0;  // the table's bet before the action: a raise goes above it
};

// Calls come from inside the handlers, after the table has changed; a watcher must not change
// the table.
class TableObserver {
  public:
    virtual ~TableObserver() = default;
    // The hand is set up and dealt; no blind is posted yet.
    virtual void hand_started(const Table&) {}
    // Under a structure with antes, the big blind posts the ante (dead money) before its blind.
    virtual void ante_posted(const Table&, int /*seat*/, Chips /*amount*/) {}
    virtual void blind_posted(const Table&, int /*seat*/, Chips /*amount*/, bool /*big*/) {}
    virtual void action_taken(const Table&, const ActionEvent&) {}
    // A street's cards are turned up for the first time in this hand.
    virtual void street_dealt(const Table&, Street) {}
    // Under the standard rules, once a seat is all in and the betting is over: every hand still
    // in is turned face up, before the rest of the board is dealt.
    virtual void hands_faced_up(const Table&, const std::vector<int>& /*seats*/) {}
    // The showdown begins: the pot is complete and nobody has been paid.
    virtual void showdown_started(const Table&) {}
    // A seat still in the hand shows its cards.
    virtual void hand_shown(const Table&, int /*seat*/) {}
    virtual void pot_won(const Table&, int /*seat*/, Chips /*amount*/) {}
    // Under the standard rules, before the showdown's payments: the part of a bet nobody
    // called goes back, then the pots as they stand (the main pot first), then a seat that
    // cannot win gives up its cards unshown, and each share of a pot is paid. A share is
    // also told as `pot_won`.
    virtual void uncalled_bet_returned(const Table&, int /*seat*/, Chips /*amount*/) {}
    virtual void pots_counted(const Table&, const std::vector<Chips>& /*pots*/) {}
    virtual void hand_mucked(const Table&, int /*seat*/) {}
    virtual void pot_share_won(const Table&, int /*seat*/, Chips /*amount*/, int /*pot*/,
                               int /*pots*/) {}
    // Every winner has been paid and the stacks are shown.
    virtual void pot_awarded(const Table&) {}
    // Tournament steps between hands.
    virtual void seat_refilled(const Table&, int /*seat*/, Chips /*old_stack*/) {}
    virtual void seat_closed(const Table&, int /*seat*/) {}
    virtual void sit_out_charged(const Table&, Chips /*amount*/) {}
    virtual void game_ended(const Table&, GameEnd) {}
    // A hand is about to be dealt (or the start-up has dealt the first): nothing is running,
    // and a saved game taken now goes on exactly from here.
    virtual void hand_due(const Table&) {}
};

}  // namespace holdem
