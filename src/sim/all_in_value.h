// What moving all in before the flop is worth against the standard players as they play: the
// other seats' hands drawn from what their moves so far suggest, each seat behind answering by
// its own style, the hand run out, and the stack that results weighed by the tournament's worth
// of a stack. A seat's own cards are the only ones it knows.
#pragma once

#include <cstdint>
#include <functional>

#include "model/table.h"
#include "standard/hand_state.h"
#include "standard/opponents/player.h"

namespace holdem::sim {

// The worth of ending the hand with a stack of so many chips.
using StackWorth = std::function<double(double chips)>;

// The starting hands a seat holds after what it did before the flop, as its style plays.
standard::PreflopRange preflop_range_of(const Table& t, const standard::HandState& hand,
                                        const standard::HandReads& reads, int seat);

// The mean worth of the stack after `move` (all in, or a call of an all in) over `deals`
// sampled deals. The seats' cards in `t` are drawn in turn and given back before it returns.
double all_in_worth(Table& t, const standard::HandState& hand, const standard::HandReads& reads,
                    standard::Decision move, const StackWorth& worth, int deals,
                    std::uint64_t seed);

}  // namespace holdem::sim
