// Chips going into the pot: the one way a blind, the human and a computer seat put chips in,
// and the report of what a seat did with its turn.
#pragma once

#include "model/table.h"

namespace holdem {

// Who is paying decides the two details in which payments differ.
enum class Payer : std::uint8_t { blind, human, computer };

// The seat pays `amount`, or its whole stack when the amount reaches it: the seat's bet and
// round total, its stack and stack label, the table's bet, the pot and its label, and the seat's
// pile of chips.
void put_in_pot(Table& t, int seat, Chips amount, Payer payer);

// The stack label shows the stack, or "All in" (and the seat is all in) once it is empty.
void show_stack_or_all_in(Table& t, int seat);

// Tells the watchers what a seat has just done with its turn: `bet_before` is the table's bet
// before it acted and `amount` what it put in.
void report_action(Table& t, int seat, Chips bet_before, Chips amount, bool folded);

}  // namespace holdem
