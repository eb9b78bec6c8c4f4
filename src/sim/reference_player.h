// The simulator's reference player for seat 1 under the standard rules: a tight-aggressive
// tournament player that knows only what the human at seat 1 could see. While the field
// outside the table is still large the rank is how long it lasts, so a move that risks much of
// its stack must keep it in the tournament longer than folding would; at the final table it
// plays for the chips. With the whole field playing, the levels are the structure's, and a
// short stack's all in is weighed against the players' own answers to it (`all_in_value`).
// It reads each seat's hands from what that seat's style plays, which the table shows.
#pragma once

#include <cstdint>

#include "model/table.h"
#include "standard/hand_state.h"
#include "standard/opponents/player.h"

namespace holdem::sim {

// How many hands a stack lasts if it folds every hand from now on: this hand's small blind
// and the hands left in its level (this one included), the blinds rising along the schedule
// every ten hands after that; the seat posts the big blind in `to_big_blind` hands (0: this
// hand) and the small blind the hand after, once every `seats` hands. A stack goes in the
// hand whose blind it cannot cover.
int hands_folding_lasts(Chips small_blind, int hands_left_in_level, Chips stack, int to_big_blind,
                        int seats);

// The same under a structure's levels, from the human's table's hand `hand` on: the big blind
// posts its ante with it.
int hands_folding_lasts(StructureKind structure, std::uint64_t hand, Chips stack, int to_big_blind,
                        int seats);

standard::Decision reference_decision(Table& t, const standard::HandState& hand,
                                      const standard::HandReads& reads, std::uint64_t seed);

}  // namespace holdem::sim
