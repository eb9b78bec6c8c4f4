// The human's buttons and the amount box: "Call", "Raise", "Check", "Fold", "Bet It", Enter in
// the amount box, "Sit Out" and "Exit", and the action panel that carries them.
#pragma once

#include <string_view>

#include "model/keys.h"
#include "model/table.h"

namespace holdem {

void Command5_Click(Table& t);   // "Call"
void Command6_Click(Table& t);   // "Raise"
void Command7_Click(Table& t);   // "Check"
void Command8_Click(Table& t);   // "Fold"
void Command11_Click(Table& t);  // "Bet It"
// A key typed into the amount box, with the box's text as it stands before the key.
void Text2_KeyPress(Table& t, int key_ascii);
void Command3_Click(Table& t);  // "Sit Out"
void Command2_Click(Table& t);  // "Exit"

void bet_panel_show(Table& t);
void bet_panel_hide(Table& t);

// Whether the human's action panel is open and waits for seat 1.
bool human_turn_open(const Table& t);

// Whether a typed amount passes the "Bet It" test: not empty and at least both the amount to
// call and a standard raise, as the captions read.
bool typed_amount_accepted(const Table& t, std::string_view text);

// What "Bet It" would do with a typed text, for a window that explains itself.
struct TypedAmount {
    bool accepted = false;    // it passes the test
    bool calls_only = false;  // accepted, but no number as a whole ("300x"): only the call goes in
    double least = 0;         // the least amount accepted now
    Chips to_call = 0;
};
TypedAmount read_typed_amount(const Table& t, std::string_view text);

}  // namespace holdem
