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

// What a seat still in likely holds: a hand from the strongest `share` of starting hands (1: any
// hand), the strongest `from` of them left out, and, once it has bet or raised after the flop,
// the one of `strongest_of` such hands that stands best with the board so far: a bet on the
// flop is made with what hit it.
struct LikelyRange {
    double share = 1.0;
    int strongest_of = 1;
    double from = 0.0;
    friend bool operator==(const LikelyRange&, const LikelyRange&) = default;
};

// How well two hole cards stand with a board of three or four cards, higher better: a made
// hand by its kind and height, a flush or straight draw above nothing.
int board_standing(std::array<CardCode, 2> hole, std::span<const CardCode> board);

// The share of pots `hole` wins (ties counted as their share) against one hand for each entry
// of `ranges`, with the board completed from `board`; `deals` sampled deals.
double equity_against_ranges(std::array<CardCode, 2> hole, std::span<const CardCode> board,
                             std::span<const LikelyRange> ranges, int deals, Draws& draws);

// The first class against the second, both dealt at random suits without clashing cards, over
// `deals` deals from a seeded stream: a share of 1.
double work_out_heads_up(int first, int second, int deals, std::uint64_t seed);

// Two cards of the class, suits drawn at random, none of them in `dead`.
std::array<CardCode, 2> cards_of_class(int hand_class, std::uint64_t dead, Draws& draws);

}  // namespace holdem::standard
