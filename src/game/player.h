// The per-seat record: one for each of the ten seats, kept for the whole run and refilled
// when a computer seat gets a new player.
#pragma once

#include <cstdint>
#include <string>

#include "game/cards.h"
#include "game/numbers.h"

namespace holdem {

struct Player {
    std::int16_t handrank = 0;  // standing at the table: 1 best … 5
    std::string caption;        // the player's name
    Chips prize = 0;            // the chip stack
    CardCode cardone = 0;
    CardCode cardtwo = 0;
    bool sittingout = false;
    bool Active = true;  // still in the tournament
    bool tosswinner = false;
    std::string cardtext1;
    std::string cardtext2;
    std::string flop1, flop2, flop3, flop4, flop5;  // this seat's copy of the board texts
    std::int16_t dealer = 0;  // position from the button: 1 dealer, 2 next seat, … 10
    bool allin = false;
    Chips bet = 0;       // latest payment
    Chips totalbet = 0;  // paid in the current betting round
    bool fold = false;
    std::string handvalue;  // text of the best hand
    std::int16_t handnumber = 0;
    std::string handvaluepair;
    std::string handvaluetwok;
    std::string handvaluethreek;
    std::string handvaluestraight;
    std::string handvalueflush;
    std::string handvaluefullhouse;
    std::string handvaluefourk;
    std::string handvaluesflush;
    std::string handvaluerflush;
    std::string handvaluetops;
    std::int16_t tournament_position = 0;
    std::int16_t table_position = 0;

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
