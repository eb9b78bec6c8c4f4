// The table picture in words, for assistive technology: each seat as a screen reader says it
// ("river rat, 1273 chips, plays tight-aggressive, folded"), the human's turn and its choices,
// and the board. Only what the picture shows is said.
#pragma once

#include <string>

#include "picture/table_picture.h"

namespace holdem {

// Empty for a seat without a player.
std::string seat_spoken(const SeatPicture& seat);
// The board's cards shown so far and the pot; "No cards on the board" before the flop.
std::string board_spoken(const TablePicture& picture);
// "Your turn: call 60, raise to 120 or fold; pot 150"; empty when it is not the human's turn.
std::string turn_spoken(const TablePicture& picture);

}  // namespace holdem
