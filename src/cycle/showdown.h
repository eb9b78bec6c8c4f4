// The showdown: play stops, the hands still in are turned up, the pot is paid, the stacks are
// brought up to date and the deal timer starts the next hand.
#pragma once

#include "model/table.h"

namespace holdem {

// Runs once per hand, from the closing check of the river or a table that nobody can bet at.
void evaluate_winner(Table& t);

}  // namespace holdem
