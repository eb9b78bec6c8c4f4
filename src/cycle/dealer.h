// Who deals: the high-card toss before the first hand, the button's move before every later
// hand, and handing the turn to the seat after the dealer, which starts the blinds.
#pragma once

#include "model/table.h"

namespace holdem {

void toss(Table& t);
void next_dealer(Table& t);
void blinds_bet(Table& t);

// Every seat's position counted from the dealer in seat d: ((j − d) mod 10) + 1.
void set_dealer_positions(Table& t, int dealer_seat);
// Puts the dealer button beside a seat's cards and shows it.
void place_dealer_button(Table& t, int beside_seat);

}  // namespace holdem
