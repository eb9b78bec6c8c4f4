// A computer seat's betting decision, by its standing alone: the best hand raises the amount
// to call plus a quarter of its stack, standings 2 … 4 call (or check), the rest fold.
#pragma once

#include "model/table.h"

namespace holdem {

enum class Decision : std::uint8_t { raise, call, fold };

// The decision table, the same on every street and for every computer seat.
constexpr Decision decide(int handrank) {
    if (handrank == 1) return Decision::raise;
    if (handrank >= 2 && handrank <= 4) return Decision::call;
    return Decision::fold;
}

// Decides by the standing the seat goes by (its standing at the table, or a fair seat's own
// estimate) and books it: chips into the pot, the raise bookkeeping, a fold's cards hidden.
// The turn then runs the closing check.
void computer_decision(Table& t, int seat, int handrank);

}  // namespace holdem
