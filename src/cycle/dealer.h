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
// The dealer button 500 twips right of and below the top left corner of a card picture.
void place_dealer_button(Table& t, ControlId card_picture);

}  // namespace holdem
