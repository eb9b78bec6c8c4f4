// Hand histories of the standard rules in the open PHH format: each hand a TOML table of its
// own (a `.phhs` file holds a tournament's hands), with the required fields of no-limit hold'em
// (variant, antes, blinds, the least bet, the starting stacks, the actions) and the players'
// names, seats, the hand's number and level, the finishing stacks and the winnings. The players
// are listed from the seat after the button round to the button, as the format orders them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/cards.h"
#include "standard/hand_state.h"

namespace holdem::standard {

class Tournament;

class PhhRecorder {
  public:
    // A hand has been dealt: its players, blinds, stacks and hole cards.
    void start(const Tournament& t, const std::string& event);
    // A move of `seat`, as it was made.
    void move(int seat, Move move, Chips to);
    // The board cards of every street reached since the last call.
    void deal_streets(const Tournament& t);
    // The hand has been paid: the shown and mucked hands, the finishing stacks and winnings.
    // Returns the hand's TOML table.
    std::string finish(const Tournament& t, const Settlement& settled);

  private:
    int player_of(int seat) const;  // 1 … players, as the format numbers them

    std::vector<int> seats_;  // the players' seats, in the format's order
    std::vector<Chips> starting_;
    Chips small_blind_ = 0, big_blind_ = 0;
    int dealt_ = 0;  // board cards written so far
    std::vector<std::string> actions_;
    std::string header_;
};

// "Ac", "Td": a card as the format writes it.
std::string phh_card(CardCode code);

}  // namespace holdem::standard
