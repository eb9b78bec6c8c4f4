// The game's main loop: the pacing clock hands the turn from seat to seat, each seat's focus
// handler plays its turn, and the closing check moves the hand on to the next street or the
// showdown at the closing seat of each betting round.
#pragma once

#include "game/table.h"

namespace holdem {

// Starts the pacing clock; once the showdown has begun it stays stopped until the next hand.
void Command4_Click(Table& t);
void stop_pacing_clock(Table& t);
// One tick: hands the turn from the seat that has just acted to the next, then runs the
// blinds countdown.
void roundtimer_Timer(Table& t);

// A computer seat's turn (Picture3_GotFocus … Picture11_GotFocus for seats 2 … 10).
void computer_seat_turn(Table& t, int seat);
// Seat 1's focus box: only the blinds and the highlight.
void Picture2_GotFocus(Table& t);
// The human's turn: stops the clock and opens the action panel.
void Command5_GotFocus(Table& t);
// The end of a highlight (Picture2_LostFocus … Picture11_LostFocus).
void focus_box_lost_focus(Table& t, int seat);
// Command5_LostFocus … Command8_LostFocus.
void human_button_lost_focus(Table& t);
// Seat 1's highlight off and the clock running again: the human's turn is over.
void end_human_highlight(Table& t);

// Who calls the closing check decides the order of its steps.
enum class CloserOrder { Computer, HumanPassThrough, CallFold, Check };
void closing_check(Table& t, int seat, CloserOrder order);

// A raise: while fewer than three raises are in, the seat before the raiser closes every
// street reached so far.
void raise_bookkeeping(Table& t, int seat);
// The first seat after the big blind makes the big blind the closing seat, while the current
// betting round has none yet.
void opening_closer(Table& t, int seat);

// A blind: the amount or the whole stack, whichever is smaller.
void forced_bet(Table& t, int seat, Chips amount);
// The stack label shows the stack, or "All in" (and the seat is all in) once it is empty.
void show_stack_or_all_in(Table& t, int seat);

// Tells the watchers what a seat has just done with its turn: `bet_before` is the table's bet
// before it acted and `amount` what it put in.
void report_action(Table& t, int seat, Chips bet_before, Chips amount, bool folded);

// Nobody left at the table can put chips in by choice.
bool nobody_can_act(const Table& t);
// Turns up the remaining streets and runs the showdown without more betting.
void run_out_to_showdown(Table& t);

}  // namespace holdem
