// A referee for the standard rules, written apart from the engine that plays them: it keeps its
// own account of the hand (who is in, who is all in, each seat's bet this round, the bet to
// match, the last full raise, who has acted since it) and judges every move before it is made
// and every close of a round after, so the engine cannot hide a fault behind its own bookkeeping.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "standard/hand_state.h"

namespace holdem::sim {

class StandardReferee {
  public:
    // A hand starts: the ante and the blinds are in, the engine's button and blinds stand as
    // posted. Why the ante is not the structure's `ante`, posted by the big blind, if it is not.
    std::optional<std::string> start(const standard::HandState& hand, Chips big_blind,
                                     Chips ante = 0);
    // Before the move of the seat to act: why it is not allowed, if it is not.
    std::optional<std::string> judge(const standard::HandState& hand, standard::Move move,
                                     Chips to) const;
    // What the engine offers the seat to act must be what the rules allow it, no more, no less.
    std::optional<std::string> offered(const standard::HandState& hand) const;
    // After the engine applied the move: its account of the hand must agree with ours.
    std::optional<std::string> follow(const standard::HandState& hand, int seat,
                                      standard::Move move, Chips to);

    // After the hand is paid: the uncalled bet, the pots and who may win each, that each went in
    // equal shares to the best `strength` among the seats eligible for it (what does not divide
    // to the first winner left of the button), and that once a seat still in was all in every
    // hand was shown and none mucked.
    std::optional<std::string> paid(const standard::Settlement& settled,
                                    const std::function<std::uint64_t(int)>& strength) const;

  private:
    struct Seat {
        bool in = false, folded = false;
        Chips stack = 0, bet = 0;
        Chips total = 0;  // put in this hand
        bool acted = false;
        Chips faced = 0;  // the bet it last acted on
    };
    // A seat acts when it can, has not answered the bet, and the others still in could put
    // in more than it has matched: a seat they cannot cover has nothing to answer.
    bool must_act(const Seat& s) const {
        if (!s.in || s.folded || s.stack <= 0 || (s.acted && s.bet >= to_match_)) return false;
        return std::any_of(seats_.begin() + 1, seats_.end(), [&](const Seat& o) {
            return &o != &s && o.in && !o.folded && o.bet + o.stack > s.bet;
        });
    }
    int next_to_act(int after) const;
    void new_round();

    std::array<Seat, 11> seats_{};
    int button_ = 0;
    Chips big_blind_ = 0, to_match_ = 0, full_raise_ = 0;
    Chips dead_ = 0;  // the ante, the main pot's
    standard::Round round_ = standard::Round::preflop;
};

}  // namespace holdem::sim
