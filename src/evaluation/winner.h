// The standings of the ten hands at the deal, the showdown, and the clearing of fold and
// all-in marks for the next hand.
#pragma once

#include <array>
#include <cstdint>

#include "game/table.h"

namespace holdem {

// Standing 1 for the best hand number (every seat that shares it), 2 … 4 for the next three
// distinct numbers, 5 for the rest. Counts the best seats into numberofwinners and prepares
// the winner's line from the highest-numbered best seat.
void evaluate_ultimate_winner(Table& t, const std::array<std::int16_t, seat_count>& winners);

// The showdown: stops play, pays the best hands still in the hand, reveals them, refreshes
// the stacks and starts the deal timer. Runs once per hand.
void evaluate_winner(Table& t);

// Every seat's fold and all-in marks cleared.
void remove_folds(Table& t);

}  // namespace holdem
