// The standings of the ten hands at the deal, who the pot goes to at the showdown, and the
// clearing of fold and all-in marks for the next hand.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/table.h"

namespace holdem {

// Standing 1 for the best hand number (every seat that shares it), 2 … 4 for the next three
// distinct numbers, 5 for the rest. Counts the best seats into numberofwinners and prepares
// the winner's line from the highest-numbered best seat.
void evaluate_ultimate_winner(Table& t, const std::array<std::int32_t, seat_count>& winners);

// The seats the pot goes to: those still in the hand with the best hand number among them.
// When nobody is left in the hand (the human folded last, or every seat was passed through),
// the active seats with the best number share it.
std::vector<int> paid_seats(const Table& t);

// Every seat's fold and all-in marks cleared.
void remove_folds(Table& t);

}  // namespace holdem
