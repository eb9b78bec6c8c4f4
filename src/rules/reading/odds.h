// The odds helper's arithmetic: a hand's chance to win and to tie against opponents whose cards
// are unknown (any two of the cards not seen), the outs that improve it, and the price of a call.
// Worked out by sampling deals, or exactly against one opponent when the board leaves few.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/cards.h"

namespace holdem {

struct Odds {
    double win = 0;  // the share of deals the hand wins outright, 0 … 1
    double tie = 0;  // … and splits with at least one opponent
    int outs = 0;    // unseen cards that would make two pair or better, above the hand now
    int deals = 0;   // how many deals the figures rest on
};

// Against `opponents` random hands, from `deals` sampled deals of their cards and the rest of
// the board; the same seed gives the same figures.
Odds estimate_odds(std::array<CardCode, 2> hole, std::span<const CardCode> board, int opponents,
                   int deals, std::uint64_t seed);
// Against one random hand, every deal counted once. Practical from the flop on.
Odds exact_odds(std::array<CardCode, 2> hole, std::span<const CardCode> board);

// The share of the pot a call must win to pay: the call over the pot after calling.
double pot_odds(std::int64_t to_call, std::int64_t pot);

}  // namespace holdem
