// What a standard player's tournament life is worth beyond its chips, near the money and at
// the final table: the extra equity, over the chip price, that a call or a push putting much
// of the stack at risk must carry. At the final table it comes from the chip model of prizes
// over the stacks at the table; before it, from how close the field is to the money.
#pragma once

#include <span>

#include "model/table.h"
#include "standard/hand_state.h"

namespace holdem::standard {

// 0 away from the money, in a tournament without a field, and for the easy players, who do
// not think of the prizes.
double prize_pressure(const Table& t, const HandState& hand, int me, Difficulty difficulty);

// The pressure at a table of the final stacks (`stacks`, seat `me`'s among them) when `risk`
// of its chips meets the biggest other stack, for the prizes of the places still to be won.
double final_table_pressure(std::span<const Chips> stacks, std::size_t me, Chips risk,
                            std::span<const double> prizes);

}  // namespace holdem::standard
