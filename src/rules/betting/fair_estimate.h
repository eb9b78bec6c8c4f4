// Fair opponents: a computer seat that knows only its own two cards and the board shown so far
// estimates its standing among the seats still in the hand by dealing the unseen cards many
// times over, and decides by that estimate through the same table as an all-seeing seat.
#pragma once

#include "model/table.h"
#include "rules/reading/hand_reading.h"
#include "rules/reading/standard_hand.h"

namespace holdem {

// Deals of the unseen cards behind one estimate.
inline constexpr int fair_samples = 40;

// The seat's standing 1 … 5 as it can know it: the standing it holds in most deals (1 when its
// hand is the best of those still in, 2 for the second-best distinct hand, …). Estimated once
// per seat and street (again when a seat leaves the hand), from the table's own stream of
// draws for estimates, so the deck's draws are untouched and a seed still replays.
int fair_handrank(Table& t, int seat);

// Before the flop a seat knows only its two cards, so its standing depends on their ranks
// (rank indexes, high ≥ low), whether they share a suit, and how many seats are in. It is
// worked out closely, from 1024 deals, once and for all: `preflop_standings` holds every
// answer (0 where no hand is), written by tools/make_preflop_table.cpp from
// work_out_preflop_standing and checked against it by the tests.
inline constexpr std::size_t preflop_table_size = 2 * 13 * 13 * 2 * seat_count;
std::size_t preflop_index(Ranking ranking, int high, int low, bool suited, int opponents);
int work_out_preflop_standing(Ranking ranking, int high, int low, bool suited, int opponents);
extern const std::array<std::int8_t, preflop_table_size> preflop_standings;

// The classic hand number of seven cards, as the assessment and evaluator would give it, worked
// out without their texts (for the many deals of an estimate): from read cards, or from two
// hand cards and what the classic reading needs of the board, worked out once per board.
std::int32_t classic_number(const SevenCards& cards);
struct ClassicBoard {
    CardMask cards = 0;
    unsigned ranks = 0;  // one bit per rank present
    std::array<std::uint8_t, 13> rank_counts{};
    std::array<std::uint8_t, 4> suit_counts{};
    std::int8_t flush_suit = -1;  // the suit of a flush on the board itself
};
ClassicBoard classic_board(const std::array<CardCode, 5>& board);
std::int32_t classic_number(const ClassicBoard& board, CardCode first, CardCode second);

}  // namespace holdem
