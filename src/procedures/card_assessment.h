// The assessment of all ten seats' cards at the deal: every seat's seven cards are read into its
// hand texts, evaluated into a hand number and ranked into standings, which the computer seats
// bet by for the whole hand.
#pragma once

#include "game/table.h"

namespace holdem {

void evaluate_player_cards(Table& t);

}  // namespace holdem
