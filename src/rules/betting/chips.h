// The chip pictures: a seat's pile of bet chips with the amount it just put in, and the pot's
// chips growing street by street. The amounts themselves live in the records.
#pragma once

#include "model/table.h"

namespace holdem {

// Seat's bet label shows the amount; its pile of six chips appears (seat 1's pile first goes
// back to its home places). Seats outside 1 … 10 change nothing.
void chips_player_show(Table& t, Chips chipbet, int whichplayer);
// Hides the seat's pile and bet label.
void chips_player_hide(Table& t, int whichplayer);
// Sweeps every pile off the table and shows the pot's band of chips for the street dealt.
void chips_to_pot(Table& t, Street street);

}  // namespace holdem
