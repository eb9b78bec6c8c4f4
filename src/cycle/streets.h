// The flop, the turn and the river turned up as each betting round closes, and the hole cards
// of the seats in play shown at the start of a hand.
#pragma once

#include "model/table.h"

namespace holdem {

void show_flop1(Table& t);  // the flop: board cards 1 … 3
void show_flop2(Table& t);  // the turn: board card 4
void show_flop3(Table& t);  // the river: board card 5
void show_hole_cards(Table& t);

}  // namespace holdem
