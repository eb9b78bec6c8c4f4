// The game's main loop: the pacing clock hands the turn from seat to seat, every seat's turn
// runs through one routine, and the closing check moves the hand on to the next street or the
// showdown at the closing seat of each betting round.
#pragma once

#include "model/table.h"

namespace holdem {

// Starts the pacing clock; once the showdown has begun it stays stopped until the next hand.
void Command4_Click(Table& t);
void stop_pacing_clock(Table& t);
// One tick: hands the turn from the seat that has just acted to the next, then runs the
// blinds countdown.
void roundtimer_Timer(Table& t);

// Which part of a seat's turn a focus event starts: a seat's focus box carries its blinds and
// (for seats 2 … 10) its play; the human plays through the focus of "Call".
enum class TurnEntry : std::uint8_t { focus_box, call_button };

// Every seat's turn: blinds owed, highlight, folding a closed or sitting-out seat, the run-out
// when nobody can bet, the pass-through, and the play itself (a computer seat's decision, or
// the human's action panel).
void seat_turn(Table& t, int seat, TurnEntry entry);

// The named entry points of the turn chain.
void Picture2_GotFocus(Table& t);  // seat 1's focus box: its blinds and highlight only
void Picture3_GotFocus(Table& t);  // seats 2 … 10
void Picture4_GotFocus(Table& t);
void Picture5_GotFocus(Table& t);
void Picture6_GotFocus(Table& t);
void Picture7_GotFocus(Table& t);
void Picture8_GotFocus(Table& t);
void Picture9_GotFocus(Table& t);
void Picture10_GotFocus(Table& t);
void Picture11_GotFocus(Table& t);
void Command5_GotFocus(Table& t);  // the human's turn

// The end of a highlight (Picture2_LostFocus … Picture11_LostFocus).
void focus_box_lost_focus(Table& t, int seat);
// Command5_LostFocus … Command8_LostFocus.
void human_button_lost_focus(Table& t);
// Seat 1's highlight off and the clock running again: the human's turn is over.
void end_human_highlight(Table& t);

// Who calls the closing check decides the order of its steps.
enum class CloserOrder : std::uint8_t { Computer, HumanPassThrough, CallFold, Check };
void run_closing_outcomes(Table& t, int seat, CloserOrder order);
// Most turns close no round: that is settled here, without a call.
inline void closing_check(Table& t, int seat, CloserOrder order) {
    if (t.flopshower == seat || t.flopshower1 == seat || t.flopshower2 == seat ||
        t.flopshower3 == seat)
        run_closing_outcomes(t, seat, order);
}

// Nobody left at the table can put chips in by choice.
bool nobody_can_act(const Table& t);
// Turns up the remaining streets and runs the showdown without more betting.
void run_out_to_showdown(Table& t);

}  // namespace holdem
