// The per-seat record: one for each of the ten seats, kept for the whole run and refilled
// when a computer seat gets a new player.
#pragma once

#include <cstdint>
#include <string>

#include "model/cards.h"
#include "model/numbers.h"

namespace holdem {

struct Player {
    std::int16_t handrank = 0;  // standing among the ten hands at the deal: 1 best … 5
    std::string caption;        // the player's name
    Chips prize = 0;            // the chip stack
    CardCode cardone = 0;       // first hole card
    CardCode cardtwo = 0;       // second hole card
    bool sittingout = false;    // only the human sits out; such a seat is folded at every turn
    bool Active = true;         // still in the tournament; a closed seat is never reopened
    std::string cardtext1;      // cardone as text, which the card reading works on
    std::string cardtext2;
    std::string flop1, flop2, flop3, flop4, flop5;  // this seat's copy of the board texts
    std::int16_t dealer = 0;  // position from the button: 1 dealer, 2 next seat, … 10
    bool allin = false;       // every chip is in; cleared at the next hand
    std::int16_t style = 0;   // under the standard rules, how a computer seat plays (0 … 3)
    Chips bet = 0;            // the latest payment
    Chips totalbet = 0;       // paid in the current betting round
    bool fold = false;        // out of this hand
    std::string handvalue;    // text of the best hand, for the winner's line
    // The best hand's number: category base + rank or suit, or under the standard ranking the
    // hand's strength (wider than the classic numbers need).
    std::int32_t handnumber = 0;
    std::string handvaluepair;  // the card reading's verdicts, one per category …
    std::string handvaluetwok;
    std::string handvaluethreek;
    std::string handvaluestraight;  // … " " when there is no straight
    std::string handvalueflush;     // … " " when there is no flush
    std::string handvaluefullhouse;
    std::string handvaluefourk;
    std::string handvaluesflush;
    std::string handvaluerflush;
    std::string handvaluetops;  // … and the highest hole card

    // Pays `amount` from the stack, or the whole stack when the amount reaches it: bet is what
    // went in, and it counts towards this round's total.
    void pay(Chips amount) {
        bet = amount >= prize ? prize : amount;
        totalbet = checked_add(totalbet, bet);
        prize = checked_sub(prize, bet);
    }

    // Whether the seat still plays this hand's cards.
    bool in_hand() const { return Active && !fold && !sittingout; }
    // Whether the seat can still put chips in by its own choice.
    bool can_act() const { return in_hand() && !allin; }
};

}  // namespace holdem
