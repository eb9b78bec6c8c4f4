// Paying a winner's share of the pot, sweeping the pot's chips to the winner's pile and
// bringing the stack labels up to date.
#pragma once

#include "model/table.h"

namespace holdem {

// prize + pot ÷ numberofwinners, in double precision, rounded half to even. Throws ChipOverflow
// (and leaves the stack as it was) when the stack would not fit; pays nothing without winners.
void award_share(Table& t, int seat);

// Moves the pot's chips onto the winner's pile, hides the pot and puts its chips back.
// Seats outside 1 … 10 move no chip but the pot is still hidden and put back.
void pot_to_winner(Table& t, int winner);

// Every stack label shows its stack, replacing any "All in".
void show_stacks(Table& t);

}  // namespace holdem
