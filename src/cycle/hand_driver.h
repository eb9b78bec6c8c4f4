// The start-up, the first hand, the deal timer between hands, the clearing of the table and the
// hand restart that deals the next hand.
#pragma once

#include "model/table.h"

namespace holdem {

// The table's start values and labels, then the first hand.
void Form_Load(Table& t);
void first_game(Table& t);
// Starts the deal timer (the showdown's last step).
void Command1_Click(Table& t);
// The deal timer: clears the table and deals the next hand.
void Timer1_Timer(Table& t);
void clear_table(Table& t);
// The tournament step, then the hand restart.
void new_deal(Table& t);

}  // namespace holdem
