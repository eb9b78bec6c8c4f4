// A hand of no-limit hold'em as poker rooms play it: the button and the blinds, who acts when,
// the legal moves and their amounts, the close of each betting round, the uncalled bet, the
// main and side pots, who shows first and who is paid. Cards and hand strengths come from the
// caller; this is the betting and the money alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/numbers.h"

namespace holdem::standard {

enum class Round : std::uint8_t { preflop, flop, turn, river, showdown, over };
// All in is a call, a bet or a raise of the whole stack.
enum class Move : std::uint8_t { fold, check, call, bet, raise };

struct SeatStart {
    int seat = 0;  // 1 … 10
    Chips stack = 0;
    bool sitting_out = false;  // posts its blinds and is folded at its turns
};

// What the seat to act may do.
struct Legal {
    bool can_check = false;
    bool can_call = false;
    Chips to_call = 0;       // what calling puts in: all in for less when the stack is short
    bool can_raise = false;  // a bet when nothing is bet this round, else a raise
    Chips min_to = 0;        // the least total the seat's round bet may go to (all in may be less)
    Chips max_to = 0;        // all in
};

struct Pot {
    Chips amount = 0;
    std::vector<int> eligible;  // the seats still in that put in enough for it
};

// How a hand ended: what each seat won, in what order the hands are shown, who mucked.
struct Settlement {
    int uncalled_seat = 0;  // the bettor whose uncalled part went back, if any
    Chips uncalled = 0;
    std::vector<Pot> pots;                         // main pot first
    std::vector<std::vector<int>> pot_winners;     // for each pot
    std::vector<std::pair<int, Chips>> collected;  // seat and amount, per pot and winner
    std::vector<int> show_order;                   // the seats that show, in order
    std::vector<int> mucked;                       // the seats that may muck and do
};

class HandState {
  public:
    // Seats in play in seat order; `button` is one of them. The blinds are posted at once: the
    // small blind left of the button, the big blind next; heads-up the button posts the small.
    // A big-blind ante is posted by the big blind before its blind (what it has, when short):
    // dead money in the main pot, no part of its bet.
    HandState(std::vector<SeatStart> seats, int button, Chips small_blind, Chips big_blind,
              Chips ante = 0);

    Round round() const { return round_; }
    int to_act() const { return to_act_; }  // 0 when nobody is to act
    Legal legal() const;
    // Whether the seat to act may make the move (`to` the round total of a bet or a raise).
    bool allows(Move move, Chips to = 0) const;
    // The move of the seat to act; `to` is the total of its round bet for a bet or a raise.
    // False, and nothing changes, for a move the rules do not allow.
    bool act(Move move, Chips to = 0);

    int button() const { return button_; }
    int small_blind_seat() const { return small_blind_; }
    int big_blind_seat() const { return big_blind_; }
    Chips ante() const { return ante_; }  // what the big blind posted as the ante
    Chips stack(int seat) const;
    Chips round_bet(int seat) const;
    Chips put_in(int seat) const;  // in the whole hand, the ante not counted
    bool folded(int seat) const;
    bool all_in(int seat) const;
    int in_hand() const;  // the seats not folded
    Chips current_bet() const { return current_bet_; }
    Chips pot() const;  // every chip in the middle, the ante's included
    // The hand's pots as they stand (the uncalled part of a bet not counted).
    std::vector<Pot> pots() const;

    // The sitting-out seats folded at their turns since the last call, in the order they were,
    // with the round each was folded in.
    std::vector<std::pair<int, Round>> take_folded_out();
    // Whether the hands still in are all shown face up: a seat still in is all in.
    bool face_up() const { return all_in_showdown_; }

    // Once the betting is over, the part of the biggest bet that nobody matched goes back to its
    // bettor at once (before the rest of the board is dealt). Returns the bettor and the amount
    // given back now; {0, 0} when nothing is uncalled or it has gone back already.
    std::pair<int, Chips> return_uncalled();

    // Ends a hand that is over or at its showdown: the uncalled part of the last bet goes back,
    // each pot goes to the best `strength` among its eligible seats (higher is better, equal
    // shares, odd chips to the first winner left of the button), and the stacks are paid.
    // `strength` is asked only of seats still in.
    template <typename Strength>
    Settlement settle(Strength strength);

  private:
    struct Seat {
        int number = 0;
        Chips stack = 0;
        Chips round_bet = 0;
        Chips put_in = 0;
        bool folded = false;
        bool sitting_out = false;
        bool acted = false;  // has acted since the last full bet or raise
        Chips acted_at = 0;  // the round's bet when it last acted
    };
    Seat* find(int seat);
    const Seat* find(int seat) const;
    int index_of(int seat) const;
    int next_in_hand(int from_index) const;  // the next seat clockwise not folded
    bool can_act(const Seat& s) const { return !s.folded && s.stack > 0; }
    bool needs_to_act(const Seat& s) const;
    bool covered(const Seat& s) const;
    int able_to_act() const;
    void put(Seat& s, Chips amount);
    void move_on(int from_index);
    void close_round();
    Settlement settle_with(const std::vector<std::uint64_t>& strengths);

    std::vector<Seat> seats_;
    std::array<std::int8_t, 11> index_{};  // seat number to its place in `seats_`, or -1
    int button_ = 0, small_blind_ = 0, big_blind_ = 0;
    Chips big_blind_size_ = 0;
    Chips ante_ = 0;
    Round round_ = Round::preflop;
    int to_act_ = 0;
    Chips current_bet_ = 0;
    Chips last_raise_ = 0;  // the size of the last full bet or raise this round
    int last_aggressor_ = 0;
    bool river_bet_ = false;
    bool all_in_showdown_ = false;
    std::vector<std::pair<int, Round>> folded_out_;
    int uncalled_seat_ = 0;  // the bettor given its uncalled part back, and how much
    Chips uncalled_ = 0;
};

template <typename Strength>
Settlement HandState::settle(Strength strength) {
    std::vector<std::uint64_t> strengths(seats_.size(), 0);
    for (std::size_t i = 0; i < seats_.size(); ++i)
        if (!seats_[i].folded) strengths[i] = strength(seats_[i].number);
    return settle_with(strengths);
}

}  // namespace holdem::standard
