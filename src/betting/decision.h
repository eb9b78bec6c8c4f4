// A computer seat's betting decision, by its standing alone: the best hand raises the amount
// to call plus a quarter of its stack, standings 2 … 4 call (or check), the rest fold.
#pragma once

#include "game/table.h"

namespace holdem {

// Decides, books the chips, shows them and runs the closing check for the seat.
void computer_decision(Table& t, int seat);

}  // namespace holdem
