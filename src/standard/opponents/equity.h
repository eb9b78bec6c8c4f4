// Equity by sampling on the table evaluator: a hand against hands drawn from ranges (each the
// strongest share of starting hands a seat's actions suggest), with the board completed at
// random; the board's key is made once a deal and each hand adds its two cards.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/cards.h"
#include "model/random.h"

namespace holdem::standard {

// A small seeded stream for sampling.
struct Draws {
    std::uint64_t state;
    std::uint64_t next() { return splitmix64(state); }
    int below(int n) {
        return static_cast<int>((next() >> 32) * static_cast<std::uint64_t>(n) >> 32);
    }
};

// The share of pots `hole` wins (ties counted as their share) against one hand for each entry
// of `ranges`, each drawn from the strongest `range` share of starting hands (1: any hand),
// with the board completed from `board`; `deals` sampled deals.
double equity_against_ranges(std::array<CardCode, 2> hole, std::span<const CardCode> board,
                             std::span<const double> ranges, int deals, Draws& draws);

// The first class against the second, both dealt at random suits without clashing cards, over
// `deals` deals from a seeded stream: a share of 1.
double work_out_heads_up(int first, int second, int deals, std::uint64_t seed);

// Two cards of the class, suits drawn at random, none of them in `dead`.
std::array<CardCode, 2> cards_of_class(int hand_class, std::uint64_t dead, Draws& draws);

}  // namespace holdem::standard
